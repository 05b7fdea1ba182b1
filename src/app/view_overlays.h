#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace pelmora::app {

// Marks painted over the views by their widgets, in widget pixels; `zoom` widget pixels make
// one view pixel. The views' own pictures are never changed.

// The 8-pixel tile grid, and the 16-pixel attribute-area grid drawn more strongly.
void paintScreenGrid(QPainter& painter, QSize size, int zoom);
// The 16-pixel attribute-area grid alone (while the attribute tool is chosen).
void paintAttributeGrid(QPainter& painter, QSize size, int zoom);
// The tile sheet's grid: one line between tiles (16 view pixels each).
void paintTileSheetGrid(QPainter& painter, QSize size, int zoom);
// A frame around the selected tile (or a block of `tiles` tiles), whose top-left corner is
// `tileCorner` in view pixels.
void paintSelectedTileFrame(QPainter& painter, QPoint tileCorner, int zoom, QSize tiles = {1, 1});
// `text` in the middle of a view of `size`, wrapped at words, light on the dark view.
void paintViewNote(QPainter& painter, QSize size, const QString& text);

}  // namespace pelmora::app
