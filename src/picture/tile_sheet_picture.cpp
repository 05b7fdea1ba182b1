#include "picture/tile_sheet_picture.h"

#include <string>

#include "picture/colour_match.h"

namespace pelmora {
namespace {

constexpr int kSheetColumns = 16;

// Where pixel (x, y) of the picture lives in the sheet.
std::size_t sheetIndex(int x, int y) {
  const int tile = (y / 8) * kSheetColumns + x / 8;
  return static_cast<std::size_t>(tile) * kTilePixels +
         static_cast<std::size_t>((y % 8) * 8 + x % 8);
}

std::uint8_t nearestOfFour(std::uint32_t pixel, const std::array<std::uint32_t, 4>& colours) {
  std::uint8_t best = 0;
  for (std::uint8_t value = 1; value < 4; ++value) {
    if (rgbDistance(pixel, colours[value]) < rgbDistance(pixel, colours[best])) best = value;
  }
  return best;
}

}  // namespace

std::array<std::uint32_t, 4> shownPaletteColours(const EditorState& state,
                                                 const ColourTables& colours) {
  return paletteColours(state, colours, state.paletteSet);
}

std::array<std::uint32_t, 4> paletteColours(const EditorState& state, const ColourTables& colours,
                                            int palette) {
  std::array<std::uint32_t, 4> shown{};
  const std::size_t first = (static_cast<std::size_t>(palette) & 7u) * 4;
  for (std::size_t value = 0; value < 4; ++value) {
    shown[value] = static_cast<std::uint32_t>(colours.lookup(state.viewPalette[first + value]));
  }
  return shown;
}

std::vector<std::uint8_t> tileSheetIndices(const TileSheet& sheet) {
  std::vector<std::uint8_t> indices(
      static_cast<std::size_t>(kTileSheetPictureSize) * kTileSheetPictureSize, 0);
  for (int y = 0; y < kTileSheetPictureSize; ++y) {
    for (int x = 0; x < kTileSheetPictureSize; ++x) {
      const std::size_t at = sheetIndex(x, y);
      if (at < sheet.size())
        indices[static_cast<std::size_t>(y * kTileSheetPictureSize + x)] = sheet[at] & 3u;
    }
  }
  return indices;
}

Expected<TileSheet> tileSheetFromPicture(const RgbImage& picture,
                                         const std::array<std::uint32_t, 4>& colours) {
  if (picture.width != kTileSheetPictureSize || picture.height != kTileSheetPictureSize ||
      picture.pixels.size() !=
          static_cast<std::size_t>(kTileSheetPictureSize) * kTileSheetPictureSize) {
    return outOfRange("The picture is " + std::to_string(picture.width) + " x " +
                      std::to_string(picture.height) +
                      " pixels; a tile sheet picture is 128 x 128.");
  }
  TileSheet sheet(kSheetTiles * kTilePixels, 0);
  for (int y = 0; y < kTileSheetPictureSize; ++y) {
    for (int x = 0; x < kTileSheetPictureSize; ++x)
      sheet[sheetIndex(x, y)] = nearestOfFour(picture.at(x, y), colours);
  }
  return sheet;
}

}  // namespace pelmora
