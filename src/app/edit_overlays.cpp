#include "app/edit_overlays.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

#include "state/saved_area.h"

namespace pelmora::app {
namespace {

constexpr int kCellPixels = 8;
const QColor kShade(0, 0, 0, 120);
const QColor kHatch(255, 255, 255, 60);
const QColor kSelectionOuter(0, 0, 0);
const QColor kSelectionInner(255, 255, 255);

// A dark veil with light diagonal hatching: the picture stays readable, and the area still
// stands out where the picture itself is dark.
void shade(QPainter& painter, const QRect& area) {
  painter.fillRect(area, kShade);
  painter.fillRect(area, QBrush(kHatch, Qt::BDiagPattern));
}

}  // namespace

void paintRowsNotStored(QPainter& painter, int nameTable, QSize size, int zoom) {
  const int rowHeight = kCellPixels * zoom;
  int row = 0;
  while (row < kScreenRows) {
    if (isTileRowCarried(nameTable, row)) {
      ++row;
      continue;
    }
    const int first = row;
    while (row < kScreenRows && !isTileRowCarried(nameTable, row)) ++row;
    shade(painter, QRect(0, first * rowHeight, size.width(), (row - first) * rowHeight));
  }
}

void paintViewNotStored(QPainter& painter, QSize size) {
  shade(painter, QRect(QPoint(0, 0), size));
}

void paintCellSelection(QPainter& painter, CellRect rect, int zoom) {
  if (rect.empty()) return;
  const int cell = kCellPixels * zoom;
  const QRect area(rect.column * cell, rect.row * cell, rect.width * cell, rect.height * cell);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kSelectionOuter, 0));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(kSelectionInner, 0, Qt::DashLine));
  painter.drawRect(area.adjusted(1, 1, -2, -2));
}

}  // namespace pelmora::app
