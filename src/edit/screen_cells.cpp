#include "edit/screen_cells.h"

#include <algorithm>
#include <cmath>

#include "edit/pointer_position.h"
#include "gfx/rounding.h"
#include "state/attribute_quadrant.h"
#include "state/saved_area.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kViewLastX = 255;
constexpr int kViewLastY = 239;
constexpr int kTilePixels = 8;
constexpr int kQuadrantPixels = 16;
constexpr int kAttributeColumns = 8;  // one attribute byte covers 2 x 2 quadrants
constexpr double kFarPixels = 1 << 20;

std::uint16_t nameTableBase(int nameTable) {
  return static_cast<std::uint16_t>(ppu_address::kNameTable0 +
                                    (nameTable & 3) * ppu_address::kNameTableStride);
}

// A quadrant covers tiles 2 * column .. 2 * column + 1 of its row pair.
int quadrantShift(CellPosition quadrant) {
  return attributeShift(2 * quadrant.column, 2 * quadrant.row);
}

// Floor division of the rounded pixel position; positions far off the view are pulled in first.
int cellCoordinate(double pixel, int cellPixels) {
  const double rounded = std::clamp(roundHalfToEven(pixel), -kFarPixels, kFarPixels);
  return static_cast<int>(std::floor(rounded / cellPixels));
}

std::optional<CellPosition> cellUnder(double x, double y, int cellPixels) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  return CellPosition{cellCoordinate(x, cellPixels), cellCoordinate(y, cellPixels)};
}

std::string outsideScreenReason(CellPosition cell) {
  return "Column " + std::to_string(cell.column) + ", row " + std::to_string(cell.row) +
         " is outside the screen.";
}

}  // namespace

std::uint16_t tileAddress(int nameTable, CellPosition cell) {
  return static_cast<std::uint16_t>(nameTableBase(nameTable) + cell.row * kTileCellColumns +
                                    cell.column);
}

std::uint16_t attributeAddress(int nameTable, CellPosition quadrant) {
  const int index = ((quadrant.row / 2) * kAttributeColumns + quadrant.column / 2) & 63;
  return static_cast<std::uint16_t>(nameTableBase(nameTable) + ppu_address::kAttributeOffset +
                                    index);
}

std::uint8_t withQuadrantPalette(std::uint8_t attribute, CellPosition quadrant,
                                 std::uint8_t palette) {
  const int shift = quadrantShift(quadrant);
  const int mask = ~(3 << shift);
  return static_cast<std::uint8_t>((attribute & mask) | ((palette & 3) << shift));
}

std::uint8_t quadrantPaletteOf(std::uint8_t attribute, CellPosition quadrant) {
  return static_cast<std::uint8_t>((attribute >> quadrantShift(quadrant)) & 3);
}

std::optional<CellPosition> tileCellAt(double x, double y) {
  const auto column = viewCoordinate(x, kViewLastX);
  const auto row = viewCoordinate(y, kViewLastY);
  if (!column || !row) return std::nullopt;
  return CellPosition{*column / kTilePixels, *row / kTilePixels};
}

std::optional<CellPosition> quadrantAt(double x, double y) {
  const auto column = viewCoordinate(x, kViewLastX);
  const auto row = viewCoordinate(y, kViewLastY);
  if (!column || !row) return std::nullopt;
  return CellPosition{*column / kQuadrantPixels, *row / kQuadrantPixels};
}

std::optional<CellPosition> tileCellUnder(double x, double y) {
  return cellUnder(x, y, kTilePixels);
}

std::optional<CellPosition> quadrantUnder(double x, double y) {
  return cellUnder(x, y, kQuadrantPixels);
}

std::optional<std::string> tileEditRefusal(int nameTable, CellPosition cell) {
  if (!isTileCell(cell)) return outsideScreenReason(cell);
  if (!isTileRowCarried(nameTable, cell.row)) return tileRowNotCarriedReason(nameTable, cell.row);
  return std::nullopt;
}

std::optional<std::string> attributeEditRefusal(int nameTable, CellPosition quadrant) {
  if (!isQuadrant(quadrant)) return outsideScreenReason(quadrant);
  if (!isAttributeTableCarried(nameTable)) return attributeTableNotCarriedReason(nameTable);
  return std::nullopt;
}

}  // namespace pelmora
