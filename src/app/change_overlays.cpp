#include "app/change_overlays.h"

#include <QPainter>

namespace pelmora::app {
namespace {

constexpr int kCellSize = 8;        // screen view pixels per cell
constexpr int kQuadrantSize = 16;   // attribute view pixels per quadrant, as the screen shows it
constexpr int kSheetCellSize = 16;  // tile sheet view pixels per tile
constexpr int kSheetColumns = 16;
const QColor kChangeFrame(255, 60, 200);
const QColor kChangeTint(255, 60, 200, 70);

void markSquare(QPainter& painter, int x, int y, int size) {
  painter.fillRect(x, y, size, size, kChangeTint);
  painter.drawRect(x, y, size - 1, size - 1);
}

void paintPlaces(QPainter& painter, const TitleChanges& changes, ChangeKind kind, int nameTable,
                 int size) {
  painter.setPen(QPen(kChangeFrame, 0));
  painter.setBrush(Qt::NoBrush);
  for (const TitleChange& change : changes.changes) {
    if (change.kind != kind || change.nameTable != nameTable) continue;
    markSquare(painter, change.column * size, change.row * size, size);
  }
}

}  // namespace

void paintChangedCells(QPainter& painter, const TitleChanges& changes, int nameTable, int zoom) {
  paintPlaces(painter, changes, ChangeKind::kCell, nameTable, kCellSize * zoom);
}

void paintChangedQuadrants(QPainter& painter, const TitleChanges& changes, int zoom) {
  paintPlaces(painter, changes, ChangeKind::kQuadrant, 0, kQuadrantSize * zoom);
}

void paintChangedTiles(QPainter& painter, const TitleChanges& changes, int zoom) {
  const int size = kSheetCellSize * zoom;
  painter.setPen(QPen(kChangeFrame, 0));
  painter.setBrush(Qt::NoBrush);
  for (const TitleChange& change : changes.changes) {
    if (change.kind != ChangeKind::kTile) continue;
    markSquare(painter, change.index % kSheetColumns * size, change.index / kSheetColumns * size,
               size);
  }
}

}  // namespace pelmora::app
