#include "picture/colour_match.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace pelmora {
namespace {

constexpr std::size_t kNesColours = 64;  // the search's indices 0-63

std::int32_t channel(std::uint32_t colour, int shift) {
  return static_cast<std::int32_t>((colour >> shift) & 0xFFu);
}

// Where a colour is remembered: a multiplicative hash of its 24 bits, 12 bits wide.
std::size_t rememberedSlot(std::uint32_t rgb) { return (rgb * 0x9E3779B1u) >> 20; }

// Eight colours' distances at a time, in the compiler's portable vector type. On x86-64 the
// search is also built for machines with AVX2, where one instruction handles all eight, and the
// loader picks the version this machine runs.
using Lanes = std::int32_t __attribute__((vector_size(32)));
constexpr std::size_t kLanes = 8;

#if defined(__x86_64__) && defined(__GNUC__) && defined(__ELF__)
#define PELMORA_WIDE_VERSIONS __attribute__((target_clones("avx2", "default")))
#else
#define PELMORA_WIDE_VERSIONS
#endif

// Each colour's distance and index in one key (distance * 64 + index; a distance is below 2^18),
// so the smallest key is the nearest colour and, among equally near ones, the lowest index.
// Each lane keeps its smallest key; then the lanes' keys are compared.
PELMORA_WIDE_VERSIONS
std::uint8_t nearestOfAll(const std::int32_t* reds, const std::int32_t* greens,
                          const std::int32_t* blues, std::uint32_t rgb) {
  const Lanes red = Lanes{} + channel(rgb, 0);
  const Lanes green = Lanes{} + channel(rgb, 8);
  const Lanes blue = Lanes{} + channel(rgb, 16);
  Lanes best = Lanes{} + std::numeric_limits<std::int32_t>::max();
  Lanes index = {0, 1, 2, 3, 4, 5, 6, 7};
  for (std::size_t at = 0; at < kNesColours; at += kLanes) {
    Lanes dr, dg, db;
    std::memcpy(&dr, reds + at, sizeof dr);
    std::memcpy(&dg, greens + at, sizeof dg);
    std::memcpy(&db, blues + at, sizeof db);
    dr -= red;
    dg -= green;
    db -= blue;
    const Lanes key = (dr * dr + dg * dg + db * db) << 6 | index;
    const Lanes smaller = key < best;
    best = (smaller & key) | (~smaller & best);
    index += static_cast<std::int32_t>(kLanes);
  }
  std::int32_t smallest = best[0];
  for (std::size_t lane = 1; lane < kLanes; ++lane) smallest = std::min(smallest, best[lane]);
  return static_cast<std::uint8_t>(smallest & 63);
}

}  // namespace

std::int32_t rgbDistance(std::uint32_t a, std::uint32_t b) {
  const std::int32_t red = channel(a, 0) - channel(b, 0);
  const std::int32_t green = channel(a, 8) - channel(b, 8);
  const std::int32_t blue = channel(a, 16) - channel(b, 16);
  return red * red + green * green + blue * blue;
}

ColourMatch::ColourMatch() {
  ColourTables tables;
  buildMasterPalette(PpuRegisters{}, tables);
  for (std::size_t byte = 0; byte < rgb_.size(); ++byte) {
    rgb_[byte] = static_cast<std::uint32_t>(tables.lookup(static_cast<std::uint8_t>(byte)));
  }
  for (std::size_t a = 0; a < kSlots; ++a) {
    for (std::size_t b = 0; b < kSlots; ++b)
      distances_[a * kSlots + b] = rgbDistance(rgb_[a], rgb_[b]);
  }
  for (std::size_t index = 0; index < kNesColours; ++index) {
    reds_[index] = channel(rgb_[index], 0);
    greens_[index] = channel(rgb_[index], 8);
    blues_[index] = channel(rgb_[index], 16);
  }
}

std::uint8_t ColourMatch::search(std::uint32_t rgb) const {
  return nearestOfAll(reds_.data(), greens_.data(), blues_.data(), rgb);
}

std::uint8_t ColourMatch::nearest(std::uint32_t rgb) {
  rgb &= 0x00FFFFFFu;
  std::uint32_t& entry = remembered_[rememberedSlot(rgb)];
  if ((entry & 0xFFu) != 0 && entry >> 8 == rgb) return static_cast<std::uint8_t>((entry & 0xFFu) - 1);
  const std::uint8_t best = search(rgb);
  entry = rgb << 8 | (best + 1u);
  return best;
}

}  // namespace pelmora
