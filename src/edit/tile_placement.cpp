#include "edit/tile_placement.h"

#include "edit/pointer_position.h"
#include "edit/screen_cells.h"
#include "state/hex_caption.h"

namespace pelmora {
namespace {

constexpr int kSheetLast = 255;       // the tile sheet view is 256 x 256
constexpr int kSheetCell = 16;        // a tile is 16 x 16 view pixels on the sheet
constexpr int kPreviewSize = 32;

}  // namespace

bool chooseTile(EditorState& state, double x, double y) {
  const auto column = viewCoordinate(x, kSheetLast);
  const auto row = viewCoordinate(y, kSheetLast);
  if (!column || !row) return false;
  state.selectedTile = static_cast<std::uint8_t>((*row & 0xF0) | ((*column & 0xF0) / 16));
  return true;
}

bool placeTile(EditorState& state, int nameTable, double x, double y) {
  const auto cell = tileCellAt(x, y);
  if (!cell) return false;
  state.ppuImage[tileAddress(nameTable == 2 ? 2 : 0, *cell)] = state.selectedTile;
  return true;
}

std::string tileIdCaption(std::uint8_t tile) { return twoDigitHex(tile); }

int tileSheetX(std::uint8_t tile) { return (tile & 15) * kSheetCell; }
int tileSheetY(std::uint8_t tile) { return tile & 0xF0; }

void copyTilePreview(const Surface& tileSheetView, std::uint8_t tile, Surface& preview) {
  preview.stretchCopyFrom(tileSheetView, tileSheetX(tile), tileSheetY(tile), kSheetCell, kSheetCell,
                          0, 0, kPreviewSize, kPreviewSize);
  preview.repaint();
}

}  // namespace pelmora
