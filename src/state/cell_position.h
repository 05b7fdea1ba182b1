#pragma once

namespace pelmora {

// A position on a grid of the screen views: a tile cell (32 columns, 30 rows) or an attribute
// quadrant (16 columns, 15 rows), counted from the top left.
struct CellPosition {
  int column = 0;
  int row = 0;

  bool operator==(const CellPosition&) const = default;
};

}  // namespace pelmora
