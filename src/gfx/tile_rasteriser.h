#pragma once

#include <cstdint>
#include <span>

#include "gfx/master_palette.h"
#include "gfx/surface.h"
#include "state/editor_state.h"

namespace pelmora {

constexpr int kDrawTileOk = 0;
constexpr int kDrawTileShortPalette = 2;

// Draws tile `tile` of `sheet` at scale 1 with its top-left pixel at (x, y), in palette
// `paletteNumber` AND 7 of `palette` (entries 4n to 4n + 3). Returns kDrawTileShortPalette and
// draws nothing for a palette of fewer than 32 entries.
int drawTile(const TileSheet& sheet, std::uint8_t tile, Surface& surface, std::int32_t x,
             std::int32_t y, std::span<const std::uint8_t> palette, std::uint8_t paletteNumber,
             const ColourTables& colours);

// Draws the same tile with each of its pixels as a `scale` x `scale` block (scale 1 and below
// draw it as drawTile does), clipped to the surface, pixels missing from the sheet drawn as
// value 0: the pixels drawTile would leave after an enlargement by `scale`, written in one pass.
int drawTileScaled(const TileSheet& sheet, std::uint8_t tile, Surface& surface, std::int32_t x,
                   std::int32_t y, int scale, std::span<const std::uint8_t> palette,
                   std::uint8_t paletteNumber, const ColourTables& colours);

}  // namespace pelmora
