#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "gfx/master_palette.h"
#include "gfx/surface.h"
#include "state/attribute_quadrant.h"
#include "state/editor_state.h"

namespace pelmora {

// Each view clears its surface, hides it, draws its picture at scale 1 from the origin,
// enlarges the 256 x 256 source square in place by `scale`, then shows and repaints it.

// All 256 tiles of `sheet`, tile t at (8 * (t mod 16), 8 * (t div 16)), in one palette.
void drawTileSheet(Surface& surface, const TileSheet& sheet, std::span<const std::uint8_t> palette,
                   std::uint8_t paletteNumber, double scale, const ColourTables& colours);

// Name table `nameTable` AND 3 of `ppu`, each tile in the palette its attribute quadrant gives.
void drawNameTable(Surface& surface, const PpuImage& ppu, std::uint8_t nameTable,
                   const TileSheet& sheet, std::span<const std::uint8_t> palette, double scale,
                   const ColourTables& colours);

// The attribute table of name table `nameTable` AND 3: one pixel per 2 x 2-tile quadrant.
void drawAttributeTable(Surface& surface, const PpuImage& ppu, std::uint8_t nameTable,
                        const std::array<ColourValue, 4>& attributeColours, double scale);

}  // namespace pelmora
