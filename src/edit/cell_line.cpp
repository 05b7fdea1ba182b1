#include "edit/cell_line.h"

#include <algorithm>
#include <cstdlib>

namespace pelmora {
namespace {

constexpr int kNearestFar = -64;  // wider than any grid of the screen views on either side
constexpr int kFarthestFar = 96;

CellPosition pulledIn(CellPosition cell) {
  return {std::clamp(cell.column, kNearestFar, kFarthestFar),
          std::clamp(cell.row, kNearestFar, kFarthestFar)};
}

}  // namespace

void cellsOnLine(CellPosition from, CellPosition to, std::vector<CellPosition>& cells) {
  cells.clear();
  from = pulledIn(from);
  to = pulledIn(to);
  // Bresenham's line: step along both axes, carrying the error between them.
  const int dx = std::abs(to.column - from.column);
  const int dy = -std::abs(to.row - from.row);
  const int stepX = from.column < to.column ? 1 : -1;
  const int stepY = from.row < to.row ? 1 : -1;
  int error = dx + dy;
  CellPosition cell = from;
  while (true) {
    cells.push_back(cell);
    if (cell == to) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      cell.column += stepX;
    }
    if (twice <= dx) {
      error += dx;
      cell.row += stepY;
    }
  }
}

}  // namespace pelmora
