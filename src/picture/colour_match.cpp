#include "picture/colour_match.h"

#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelmora {
namespace {

constexpr std::size_t kNesColours = 64;  // the search's indices 0-63

std::int32_t channel(std::uint32_t colour, int shift) {
  return static_cast<std::int32_t>((colour >> shift) & 0xFFu);
}

// Where a colour is remembered: a multiplicative hash of its 24 bits, 12 bits wide.
std::size_t rememberedSlot(std::uint32_t rgb) { return (rgb * 0x9E3779B1u) >> 20; }

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
    redGreen_[2 * index] = static_cast<std::int16_t>(channel(rgb_[index], 0));
    redGreen_[2 * index + 1] = static_cast<std::int16_t>(channel(rgb_[index], 8));
    blueZero_[2 * index] = static_cast<std::int16_t>(channel(rgb_[index], 16));
  }
}

#if defined(__SSE2__)

// Four colours at a time: each lane keeps the nearest of the colours it has seen (the first of
// equals), then the lanes are compared, lowest index first among equals.
std::uint8_t ColourMatch::search(std::uint32_t rgb) const {
  const __m128i redGreen = _mm_set1_epi32(static_cast<int>((rgb & 0xFFu) | (rgb & 0xFF00u) << 8));
  const __m128i blue = _mm_set1_epi32(static_cast<int>((rgb >> 16) & 0xFFu));
  const __m128i step = _mm_set1_epi32(4);
  __m128i index = _mm_setr_epi32(0, 1, 2, 3);
  __m128i best = _mm_set1_epi32(std::numeric_limits<std::int32_t>::max());
  __m128i bestIndex = _mm_setzero_si128();
  for (std::size_t group = 0; group < kNesColours / 4; ++group) {
    const auto* pairs = reinterpret_cast<const __m128i*>(redGreen_.data()) + group;
    const auto* blues = reinterpret_cast<const __m128i*>(blueZero_.data()) + group;
    const __m128i differenceRg = _mm_sub_epi16(_mm_load_si128(pairs), redGreen);
    const __m128i differenceB = _mm_sub_epi16(_mm_load_si128(blues), blue);
    const __m128i distance = _mm_add_epi32(_mm_madd_epi16(differenceRg, differenceRg),
                                           _mm_madd_epi16(differenceB, differenceB));
    const __m128i nearer = _mm_cmplt_epi32(distance, best);
    best = _mm_or_si128(_mm_and_si128(nearer, distance), _mm_andnot_si128(nearer, best));
    bestIndex = _mm_or_si128(_mm_and_si128(nearer, index), _mm_andnot_si128(nearer, bestIndex));
    index = _mm_add_epi32(index, step);
  }
  alignas(16) std::array<std::int32_t, 4> distances{};
  alignas(16) std::array<std::int32_t, 4> indices{};
  _mm_store_si128(reinterpret_cast<__m128i*>(distances.data()), best);
  _mm_store_si128(reinterpret_cast<__m128i*>(indices.data()), bestIndex);
  std::size_t lane = 0;
  for (std::size_t other = 1; other < 4; ++other) {
    if (distances[other] < distances[lane] ||
        (distances[other] == distances[lane] && indices[other] < indices[lane]))
      lane = other;
  }
  return static_cast<std::uint8_t>(indices[lane]);
}

#else

std::uint8_t ColourMatch::search(std::uint32_t rgb) const {
  std::uint8_t best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (std::size_t index = 0; index < kNesColours; ++index) {
    const std::int32_t d = rgbDistance(rgb, rgb_[index]);
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<std::uint8_t>(index);
    }
  }
  return best;
}

#endif

std::uint8_t ColourMatch::nearest(std::uint32_t rgb) {
  rgb &= 0x00FFFFFFu;
  std::uint32_t& entry = remembered_[rememberedSlot(rgb)];
  if ((entry & 0xFFu) != 0 && entry >> 8 == rgb) return static_cast<std::uint8_t>((entry & 0xFFu) - 1);
  const std::uint8_t best = search(rgb);
  entry = rgb << 8 | (best + 1u);
  return best;
}

}  // namespace pelmora
