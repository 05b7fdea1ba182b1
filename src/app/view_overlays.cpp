#include "app/view_overlays.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <vector>

namespace pelmora::app {
namespace {

const QColor kTileLine(255, 255, 255, 70);
const QColor kAreaLine(255, 255, 0, 150);
const QColor kFrameOuter(0, 0, 0);
const QColor kFrameInner(255, 255, 255);
constexpr int kSheetCell = 16;

// Lines every `step` view pixels across the widget, skipping the multiples of `skip`.
std::vector<QLine> gridLines(QSize size, int step, int zoom, int skip) {
  std::vector<QLine> lines;
  for (int x = step; x * zoom < size.width(); x += step) {
    if (skip == 0 || x % skip != 0) lines.emplace_back(x * zoom, 0, x * zoom, size.height() - 1);
  }
  for (int y = step; y * zoom < size.height(); y += step) {
    if (skip == 0 || y % skip != 0) lines.emplace_back(0, y * zoom, size.width() - 1, y * zoom);
  }
  return lines;
}

void drawLines(QPainter& painter, const QColor& colour, const std::vector<QLine>& lines) {
  painter.setPen(QPen(colour, 0));
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

}  // namespace

void paintScreenGrid(QPainter& painter, QSize size, int zoom) {
  drawLines(painter, kTileLine, gridLines(size, 8, zoom, 16));
  drawLines(painter, kAreaLine, gridLines(size, 16, zoom, 0));
}

void paintTileSheetGrid(QPainter& painter, QSize size, int zoom) {
  drawLines(painter, kTileLine, gridLines(size, kSheetCell, zoom, 0));
}

void paintSelectedTileFrame(QPainter& painter, QPoint tileCorner, int zoom) {
  const QRect cell(tileCorner * zoom, QSize(kSheetCell, kSheetCell) * zoom);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kFrameOuter, 0));
  painter.drawRect(cell.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(kFrameInner, 0));
  painter.drawRect(cell.adjusted(1, 1, -2, -2));
}

}  // namespace pelmora::app
