#pragma once

#include "edit/title_changes.h"

class QPainter;

namespace pelmora::app {

// Marks of View > Show Changes painted over the views by their widgets, in widget pixels;
// `zoom` widget pixels make one view pixel. A changed place gets a frame and a light tint.

// Over a screen view of name table `nameTable`: every changed cell in it.
void paintChangedCells(QPainter& painter, const TitleChanges& changes, int nameTable, int zoom);

// Over the attribute view of name table 0: every changed quadrant.
void paintChangedQuadrants(QPainter& painter, const TitleChanges& changes, int zoom);

// Over the tile sheet view: every changed tile.
void paintChangedTiles(QPainter& painter, const TitleChanges& changes, int zoom);

}  // namespace pelmora::app
