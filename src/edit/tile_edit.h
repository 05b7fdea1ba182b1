#pragma once

#include <array>
#include <cstdint>

#include "state/editor_state.h"

namespace pelmora {

// The 64 pixels of one tile, row by row, each a colour value 0-3: what the tile editor paints
// on and what copy and paste carry.
using TilePixels = std::array<std::uint8_t, kTilePixels>;

// Tile `tile` of `sheet`; pixels the sheet lacks read as 0.
TilePixels tilePixels(const TileSheet& sheet, std::uint8_t tile);

// Replaces tile `tile` of `sheet` (only the low two bits of each pixel are kept). Returns
// whether any pixel changed; a sheet too short for the tile is left alone.
bool setTilePixels(TileSheet& sheet, std::uint8_t tile, const TilePixels& pixels);

// The tile with pixel (x, y) set to `value` AND 3; a position outside 0-7 changes nothing.
TilePixels withPixel(TilePixels pixels, int x, int y, std::uint8_t value);

// The colour value at (x, y), or 0 outside the tile (what the right button picks).
std::uint8_t pixelAt(const TilePixels& pixels, int x, int y);

TilePixels flippedHorizontally(const TilePixels& pixels);  // left and right swap
TilePixels flippedVertically(const TilePixels& pixels);    // top and bottom swap
TilePixels rotatedClockwise(const TilePixels& pixels);     // a quarter turn to the right
TilePixels clearedTile();                                  // every pixel value 0

// The editor state with tile `tile` replaced: the step every tile operation and a paste end
// in, handed to the undo history as a whole new state.
EditorState withTilePixels(const EditorState& state, std::uint8_t tile, const TilePixels& pixels);

}  // namespace pelmora
