#pragma once

#include <cstdint>
#include <string>

#include "gfx/surface.h"
#include "state/editor_state.h"

namespace pelmora {

// Pointer positions arrive as view pixels in floating point; they are rounded to the nearest
// whole number, halves to even, before any range test.

// A press at (x, y) on the tile sheet view (256 x 256, 16 x 16 pixels per tile) chooses a tile:
// selectedTile = (Y AND 0xF0) OR ((X AND 0xF0) / 16). Returns false, changing nothing, outside
// the view.
bool chooseTile(EditorState& state, double x, double y);

// A press at (x, y) on a screen view (256 x 240) writes selectedTile into name table 0
// (`nameTable` 0) or 2 (`nameTable` 2). Returns false, changing nothing, outside the view.
bool placeTile(EditorState& state, int nameTable, double x, double y);

// The tile number as exactly two upper-case hexadecimal digits: 00, 0A, FF.
std::string tileIdCaption(std::uint8_t tile);

// Copies `tile`'s 16 x 16 cell of the tile sheet view onto the whole preview, each pixel
// becoming a 2 x 2 block, and repaints the preview.
void copyTilePreview(const Surface& tileSheetView, std::uint8_t tile, Surface& preview);

// The view position that chooses `tile` again: X = (tile AND 15) * 16, Y = tile AND 0xF0.
int tileSheetX(std::uint8_t tile);
int tileSheetY(std::uint8_t tile);

}  // namespace pelmora
