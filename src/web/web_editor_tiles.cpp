// The selected tile's pixels: painted by a drag, flipped, turned, cleared, copied and pasted,
// each as one command of the history.
#include <algorithm>
#include <cstdlib>

#include "edit/tile_edit.h"
#include "edit/tile_edit_command.h"
#include "gfx/tile_redraw.h"
#include "web/web_editor.h"

namespace pelmora::web {

std::vector<std::uint8_t> WebEditor::selectedTilePixels() const {
  const TilePixels pixels = tilePixels(document_.state.tileSheet, document_.state.selectedTile);
  return {pixels.begin(), pixels.end()};
}

void WebEditor::pressTilePixel(int x, int y, int value) {
  finishStroke();
  if (!document_.loaded || x < 0 || y < 0 || x > 7 || y > 7) return;
  const std::uint8_t tile = document_.state.selectedTile;
  tilePixelStroke_ = TilePixelStroke{tile, tilePixels(document_.state.tileSheet, tile), x, y,
                                     std::clamp(value, 0, 3)};
  paintTileLine(x, y);
}

void WebEditor::moveTilePixel(int x, int y) {
  if (!tilePixelStroke_) return;
  x = std::clamp(x, 0, 7);
  y = std::clamp(y, 0, 7);
  if (x != tilePixelStroke_->lastX || y != tilePixelStroke_->lastY) paintTileLine(x, y);
}

// Every tile pixel on the line from the last pixel painted to (x, y) takes the stroke's value,
// straight in the document so the views follow the pointer; the history gets the drag at its end.
void WebEditor::paintTileLine(int x, int y) {
  TilePixelStroke& stroke = *tilePixelStroke_;
  const int steps = std::max(std::abs(x - stroke.lastX), std::abs(y - stroke.lastY));
  TilePixels pixels = tilePixels(document_.state.tileSheet, stroke.tile);
  for (int i = 0; i <= steps; ++i) {
    const int px = steps == 0 ? x : stroke.lastX + (x - stroke.lastX) * i / steps;
    const int py = steps == 0 ? y : stroke.lastY + (y - stroke.lastY) * i / steps;
    pixels = withPixel(pixels, px, py, static_cast<std::uint8_t>(stroke.value));
  }
  stroke.lastX = x;
  stroke.lastY = y;
  if (!setTilePixels(document_.state.tileSheet, stroke.tile, pixels)) return;
  redrawTile(views_, document_.state, stroke.tile, colours_);
  markAllViews();
}

bool WebEditor::transformTile(const std::string& kind) {
  finishStroke();
  if (!document_.loaded) return false;
  const std::uint8_t tile = document_.state.selectedTile;
  const TilePixels before = tilePixels(document_.state.tileSheet, tile);
  if (kind == "copy") {
    copiedTile_ = before;
    return true;
  }
  TilePixels after = before;
  if (kind == "flipH") after = flippedHorizontally(before);
  else if (kind == "flipV") after = flippedVertically(before);
  else if (kind == "rotate") after = rotatedClockwise(before);
  else if (kind == "clear") after = clearedTile();
  else if (kind == "paste" && copiedTile_) after = *copiedTile_;
  return performEdit(tileEditCommand(tile, before, after));
}

}  // namespace pelmora::web
