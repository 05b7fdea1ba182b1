#include "edit/tile_edit.h"

#include <algorithm>

namespace pelmora {
namespace {

constexpr int kTileSize = 8;

std::size_t pixelIndex(int x, int y) {
  return static_cast<std::size_t>(y * kTileSize + x);
}

bool insideTile(int x, int y) {
  return x >= 0 && x < kTileSize && y >= 0 && y < kTileSize;
}

// A new tile whose pixel (x, y) is the source pixel the mapping names.
template <class SourceOf>
TilePixels remapped(const TilePixels& pixels, SourceOf sourceOf) {
  TilePixels result{};
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      const auto [sx, sy] = sourceOf(x, y);
      result[pixelIndex(x, y)] = pixels[pixelIndex(sx, sy)];
    }
  }
  return result;
}

}  // namespace

TilePixels tilePixels(const TileSheet& sheet, std::uint8_t tile) {
  TilePixels pixels{};
  const std::size_t base = std::size_t{tile} * kTilePixels;
  for (std::size_t i = 0; i < kTilePixels && base + i < sheet.size(); ++i) {
    pixels[i] = sheet[base + i];
  }
  return pixels;
}

bool setTilePixels(TileSheet& sheet, std::uint8_t tile, const TilePixels& pixels) {
  const std::size_t base = std::size_t{tile} * kTilePixels;
  if (base + kTilePixels > sheet.size()) return false;
  bool changed = false;
  for (std::size_t i = 0; i < kTilePixels; ++i) {
    const auto value = static_cast<std::uint8_t>(pixels[i] & 3u);
    changed = changed || sheet[base + i] != value;
    sheet[base + i] = value;
  }
  return changed;
}

TilePixels withPixel(TilePixels pixels, int x, int y, std::uint8_t value) {
  if (insideTile(x, y)) pixels[pixelIndex(x, y)] = static_cast<std::uint8_t>(value & 3u);
  return pixels;
}

std::uint8_t pixelAt(const TilePixels& pixels, int x, int y) {
  return insideTile(x, y) ? pixels[pixelIndex(x, y)] : std::uint8_t{0};
}

TilePixels flippedHorizontally(const TilePixels& pixels) {
  return remapped(pixels, [](int x, int y) { return std::pair{kTileSize - 1 - x, y}; });
}

TilePixels flippedVertically(const TilePixels& pixels) {
  return remapped(pixels, [](int x, int y) { return std::pair{x, kTileSize - 1 - y}; });
}

TilePixels rotatedClockwise(const TilePixels& pixels) {
  // After a right turn the new top row is the old left column read from the bottom up.
  return remapped(pixels, [](int x, int y) { return std::pair{y, kTileSize - 1 - x}; });
}

TilePixels clearedTile() {
  return TilePixels{};
}

EditorState withTilePixels(const EditorState& state, std::uint8_t tile, const TilePixels& pixels) {
  EditorState edited = state;
  setTilePixels(edited.tileSheet, tile, pixels);
  return edited;
}

}  // namespace pelmora
