#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>

#include "gfx/master_palette.h"

namespace pelmora {

// Colours of a picture matched against the editor's master palette (built with the PPU
// registers at their defaults), and distances between palette bytes as the views draw them.
class ColourMatch {
 public:
  ColourMatch();

  // The NES colour index 0-63 whose colour is nearest to `rgb` (0x00BBGGRR); of colours that
  // are equally near, the lowest index. Answers are remembered, so a picture of few colours
  // costs one search per colour.
  std::uint8_t nearest(std::uint32_t rgb);

  // The colour a palette byte is drawn in.
  std::uint32_t rgb(std::uint8_t colour) const { return rgb_[colour]; }

  // The squared distance in RGB between the colours two palette bytes are drawn in.
  std::int32_t distance(std::uint8_t a, std::uint8_t b) const {
    return distances_[std::size_t{a} * 256 + b];
  }

 private:
  std::array<std::uint32_t, 256> rgb_{};
  std::array<std::int32_t, 256 * 256> distances_{};
  std::unordered_map<std::uint32_t, std::uint8_t> remembered_;
};

// The squared distance between two colour values 0x00BBGGRR.
std::int32_t rgbDistance(std::uint32_t a, std::uint32_t b);

}  // namespace pelmora
