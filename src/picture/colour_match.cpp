#include "picture/colour_match.h"

#include <limits>

namespace pelmora {
namespace {

constexpr std::size_t kNesColours = 64;  // indices 0-63; entry 64 of the table is no colour

std::int32_t channel(std::uint32_t colour, int shift) {
  return static_cast<std::int32_t>((colour >> shift) & 0xFFu);
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
  for (std::size_t a = 0; a < rgb_.size(); ++a) {
    for (std::size_t b = 0; b < rgb_.size(); ++b)
      distances_[a * 256 + b] = rgbDistance(rgb_[a], rgb_[b]);
  }
}

std::uint8_t ColourMatch::nearest(std::uint32_t rgb) {
  rgb &= 0x00FFFFFFu;
  if (const auto found = remembered_.find(rgb); found != remembered_.end()) return found->second;
  std::uint8_t best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (std::size_t index = 0; index < kNesColours; ++index) {
    const std::int32_t d = rgbDistance(rgb, rgb_[index]);
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<std::uint8_t>(index);
    }
  }
  remembered_.emplace(rgb, best);
  return best;
}

}  // namespace pelmora
