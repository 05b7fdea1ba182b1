#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "state/cell_position.h"

namespace pelmora {

// The grids of the two screen views and where their cells live in the PPU image.
// Tile cells: 32 columns by 30 rows, 8 x 8 view pixels each. Attribute quadrants: 16 columns by
// 15 rows, 16 x 16 view pixels each (the last attribute byte row is half below the screen).

constexpr int kTileCellColumns = 32;
constexpr int kTileCellRows = 30;
constexpr int kQuadrantColumns = 16;
constexpr int kQuadrantRows = 15;

inline bool isTileCell(CellPosition cell) {
  return cell.column >= 0 && cell.column < kTileCellColumns && cell.row >= 0 &&
         cell.row < kTileCellRows;
}

inline bool isQuadrant(CellPosition quadrant) {
  return quadrant.column >= 0 && quadrant.column < kQuadrantColumns && quadrant.row >= 0 &&
         quadrant.row < kQuadrantRows;
}

// The PPU address of the tile number at `cell` of name table `nameTable` AND 3.
std::uint16_t tileAddress(int nameTable, CellPosition cell);

// The PPU address of the attribute byte that holds `quadrant` of name table `nameTable` AND 3.
std::uint16_t attributeAddress(int nameTable, CellPosition quadrant);

// `attribute` with the two bits of `quadrant` set to `palette` AND 3: bits 0-1 top left, 2-3 top
// right, 4-5 bottom left, 6-7 bottom right of the 32 x 32-pixel block.
std::uint8_t withQuadrantPalette(std::uint8_t attribute, CellPosition quadrant,
                                 std::uint8_t palette);

// The palette number `attribute` gives `quadrant`.
std::uint8_t quadrantPaletteOf(std::uint8_t attribute, CellPosition quadrant);

// The tile cell / attribute quadrant under view pixel (x, y) of a 256 x 240 view, after rounding
// to the nearest pixel (halves to even); nothing outside the view.
std::optional<CellPosition> tileCellAt(double x, double y);
std::optional<CellPosition> quadrantAt(double x, double y);

// The same for a drag, whose pointer may leave the view: the cell (quadrant) under the pointer
// even outside the view, so the stroke's line runs on to the edge. Nothing for a position that
// is not a number.
std::optional<CellPosition> tileCellUnder(double x, double y);
std::optional<CellPosition> quadrantUnder(double x, double y);

// Why nothing may be placed at `cell` of name table `nameTable`, in the user's words, or nothing
// when Save carries that cell.
std::optional<std::string> tileEditRefusal(int nameTable, CellPosition cell);

// The same for an attribute quadrant: only name table 0's attribute table is carried.
std::optional<std::string> attributeEditRefusal(int nameTable, CellPosition quadrant);

}  // namespace pelmora
