#pragma once

#include <cstdint>

namespace pelmora {

// An attribute byte ($23C0-$23FF for name table 0) holds the palettes of a 4 x 4-tile block:
// bits 0-1 the top-left 2 x 2 tiles, 2-3 the top-right, 4-5 the bottom-left, 6-7 the
// bottom-right. Every view, edit and import reads and writes quadrants through these two.

// Where the palette of the tile at `column`, `row` sits in its attribute byte.
constexpr int attributeShift(int column, int row) {
  return ((row & 2) << 1) | (column & 2);
}

// The palette (0-3) of the tile at `column`, `row`, given its block's attribute byte.
constexpr std::uint8_t quadrantPalette(int column, int row, std::uint8_t attribute) {
  return static_cast<std::uint8_t>((attribute >> attributeShift(column, row)) & 3);
}

}  // namespace pelmora
