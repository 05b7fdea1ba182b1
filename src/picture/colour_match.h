#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "gfx/master_palette.h"

namespace pelmora {

// Colours of a picture matched against the editor's master palette (built with the PPU
// registers at their defaults), and distances between palette bytes as the views draw them.
class ColourMatch {
 public:
  ColourMatch();

  // The NES colour index 0-63 whose colour is nearest to `rgb` (0x00BBGGRR); of colours that
  // are equally near, the lowest index. Recent answers are remembered in a fixed table, so a
  // picture of few colours costs one search per colour and a noisy one allocates nothing.
  std::uint8_t nearest(std::uint32_t rgb);

  // The colour a palette byte is drawn in.
  std::uint32_t rgb(std::uint8_t colour) const { return rgb_[colour]; }

  // The squared distance in RGB between the colours two palette bytes are drawn in.
  std::int32_t distance(std::uint8_t a, std::uint8_t b) const {
    return distances_[slot(a) * kSlots + slot(b)];
  }

  // The distances from the colour of palette byte `a` to those of bytes 0-63, in their order:
  // row[c] == distance(a, c).
  const std::int32_t* distancesFrom(std::uint8_t a) const { return &distances_[slot(a) * kSlots]; }

 private:
  // Bytes 0-64 have colours of their own; every higher byte is drawn black like byte 65.
  static constexpr std::size_t kSlots = kMasterPaletteSize + 1;
  static constexpr std::size_t kRemembered = 4096;

  static std::size_t slot(std::uint8_t byte) { return std::min<std::size_t>(byte, kSlots - 1); }
  std::uint8_t search(std::uint32_t rgb) const;

  std::array<std::uint32_t, 256> rgb_{};
  std::array<std::int32_t, kSlots * kSlots> distances_{};
  // The channels of the 64 NES colours, each in an array of its own for the search.
  std::array<std::int32_t, 64> reds_{};
  std::array<std::int32_t, 64> greens_{};
  std::array<std::int32_t, 64> blues_{};
  // Each entry holds a colour (bits 8-31) and its answer plus one (bits 0-7; 0 for none yet).
  std::array<std::uint32_t, kRemembered> remembered_{};
};

// The squared distance between two colour values 0x00BBGGRR.
std::int32_t rgbDistance(std::uint32_t a, std::uint32_t b);

}  // namespace pelmora
