#pragma once

#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace pelmora {

// A picture as plain pixels, row by row, each a colour value 0x00BBGGRR (red in the low byte),
// the same layout as a surface's pixels: what PNG files are read into and written from.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height

  RgbImage() = default;
  RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool operator==(const RgbImage&) const = default;
};

}  // namespace pelmora
