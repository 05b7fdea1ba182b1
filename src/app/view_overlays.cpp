#include "app/view_overlays.h"

#include <QRect>
#include <QImage>
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

// One-pixel lines every `step` view pixels across the widget, skipping the multiples of `skip`,
// as thin rectangles: filled spans blend much faster than stroked lines.
std::vector<QRect> gridLines(QSize size, int step, int zoom, int skip) {
  std::vector<QRect> lines;
  for (int x = step; x * zoom < size.width(); x += step) {
    if (skip == 0 || x % skip != 0) lines.emplace_back(x * zoom, 0, 1, size.height());
  }
  for (int y = step; y * zoom < size.height(); y += step) {
    if (skip == 0 || y % skip != 0) lines.emplace_back(0, y * zoom, size.width(), 1);
  }
  return lines;
}

void drawLines(QPainter& painter, const QColor& colour, const std::vector<QRect>& lines) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRects(lines.data(), static_cast<int>(lines.size()));
}

// A grid drawn once into a transparent picture of the widget's size and kept for later
// paints: blending one picture is much faster than filling hundreds of one-pixel spans.
struct GridKey {
  QSize size;
  int zoom = 1;
  bool screen = true;
  bool areasOnly = false;
  bool operator==(const GridKey&) const = default;
};

QImage drawGrid(const GridKey& key) {
  QImage grid(key.size, QImage::Format_ARGB32_Premultiplied);
  grid.fill(Qt::transparent);
  QPainter painter(&grid);
  if (key.screen) {
    if (!key.areasOnly) drawLines(painter, kTileLine, gridLines(key.size, 8, key.zoom, 16));
    drawLines(painter, kAreaLine, gridLines(key.size, 16, key.zoom, 0));
  } else {
    drawLines(painter, kTileLine, gridLines(key.size, kSheetCell, key.zoom, 0));
  }
  return grid;
}

const QImage& cachedGrid(const GridKey& key) {
  static std::vector<std::pair<GridKey, QImage>> cache;
  for (const auto& [cachedKey, image] : cache) {
    if (cachedKey == key) return image;
  }
  cache.emplace_back(key, drawGrid(key));
  return cache.back().second;
}

}  // namespace

void paintScreenGrid(QPainter& painter, QSize size, int zoom) {
  painter.drawImage(0, 0, cachedGrid({size, zoom, true}));
}

void paintAttributeGrid(QPainter& painter, QSize size, int zoom) {
  painter.drawImage(0, 0, cachedGrid({size, zoom, true, true}));
}

void paintTileSheetGrid(QPainter& painter, QSize size, int zoom) {
  painter.drawImage(0, 0, cachedGrid({size, zoom, false}));
}

void paintSelectedTileFrame(QPainter& painter, QPoint tileCorner, int zoom, QSize tiles) {
  const QRect cell(tileCorner * zoom,
                   QSize(kSheetCell * tiles.width(), kSheetCell * tiles.height()) * zoom);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kFrameOuter, 0));
  painter.drawRect(cell.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(kFrameInner, 0));
  painter.drawRect(cell.adjusted(1, 1, -2, -2));
}

void paintViewNote(QPainter& painter, QSize size, const QString& text) {
  const int margin = size.width() / 16;
  painter.setPen(QColor(224, 224, 224));
  painter.drawText(QRect(QPoint(0, 0), size).adjusted(margin, margin, -margin, -margin),
                   Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace pelmora::app
