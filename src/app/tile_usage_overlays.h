#pragma once

#include <array>
#include <vector>

#include "state/tile_usage.h"

class QPainter;

namespace pelmora::app {

// Marks of tile usage painted over the views by their widgets, in widget pixels; `zoom` widget
// pixels make one view pixel.

// Over a screen view of name table `nameTable`: a frame and a tint on each of `cells` that lies
// in that name table (the cells that show the tile under the pointer on the sheet).
void paintTileUsers(QPainter& painter, const std::vector<TileCell>& cells, int nameTable, int zoom);

// Over the tile sheet view: a tint and a corner mark on every free tile.
void paintFreeTileMarks(QPainter& painter, const std::array<bool, kSheetTiles>& free, int zoom);

}  // namespace pelmora::app
