#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "formats/rgb_image.h"
#include "gfx/surface.h"
#include "rom/codec_result.h"

namespace pelmora {

// A picture of up to 256 colours: an index per pixel, row by row, into `palette` (colour values
// 0x00BBGGRR).
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 1 to 256 colours
  std::vector<std::uint8_t> indices;   // width * height
};

// The PNG file of an RGB picture (8 bits per channel, no alpha), or why it cannot be made.
Expected<std::vector<std::uint8_t>> encodeRgbPng(const RgbImage& image);

// The PNG file of an indexed picture (colour type 3, 8 bits per index).
Expected<std::vector<std::uint8_t>> encodeIndexedPng(const IndexedImage& image);

// Encodes and writes the picture to `path` the way Save writes (whole or not at all, read back).
Status writeRgbPng(const RgbImage& image, const std::filesystem::path& path);
Status writeIndexedPng(const IndexedImage& image, const std::filesystem::path& path);

// A surface's pixels as an RGB PNG: the same file as encodeRgbPng(surfaceImage(surface)), made
// without the copy. What every view export and the command line's render write.
Expected<std::vector<std::uint8_t>> encodeSurfacePng(const Surface& surface);
Status writeSurfacePng(const Surface& surface, const std::filesystem::path& path);

// Any PNG, converted to 8-bit RGB (an alpha channel is dropped), or why it cannot be read (a
// file without the PNG signature "is not a PNG picture").
Expected<RgbImage> decodePng(std::span<const std::uint8_t> file);
Expected<RgbImage> readPng(const std::filesystem::path& path);

// The surface's pixels, each repeated `zoom` times across and down (a zoom below 1 is 1).
RgbImage surfaceImage(const Surface& surface, int zoom = 1);

}  // namespace pelmora
