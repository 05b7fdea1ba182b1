#pragma once

#include <QSize>

#include "edit/tile_block.h"

class QPainter;

namespace pelmora::app {

// Marks painted over the screen and attribute views by their widgets, in widget pixels;
// `zoom` widget pixels make one view pixel.

// Shades the tile rows of name table `nameTable`'s screen view that Save does not write.
void paintRowsNotStored(QPainter& painter, int nameTable, QSize size, int zoom);
// Shades a whole view (an attribute table Save does not write).
void paintViewNotStored(QPainter& painter, QSize size);
// The outline of a rectangle of tile cells.
void paintCellSelection(QPainter& painter, CellRect rect, int zoom);

}  // namespace pelmora::app
