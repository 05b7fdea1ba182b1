#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "gfx/master_palette.h"
#include "gfx/surface.h"
#include "state/attribute_quadrant.h"
#include "state/editor_state.h"

namespace pelmora {

// Each view hides its surface, draws its picture, then shows and repaints it. The pixels are
// those of the picture drawn at scale 1 from the origin on a cleared surface, the 256 x 256
// source square then enlarged in place by `scale`. When `scale` is a whole number at which the
// picture covers the whole surface, the view is drawn straight at that scale instead, every
// pixel written once and nothing cleared first.

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
