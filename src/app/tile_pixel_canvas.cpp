#include "app/tile_pixel_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace pelmora::app {
namespace {

constexpr int kTileSize = 8;
constexpr int kCanvasSize = kTileSize * TilePixelCanvas::kPixelSize + 1;
const QColor kGridLine(128, 128, 128, 160);

}  // namespace

TilePixelCanvas::TilePixelCanvas(QWidget* parent) : QWidget(parent) {
  setFixedSize(kCanvasSize, kCanvasSize);
  setCursor(Qt::CrossCursor);
}

QSize TilePixelCanvas::sizeHint() const {
  return {kCanvasSize, kCanvasSize};
}

void TilePixelCanvas::showPixels(const TilePixels& pixels, const std::array<QColor, 4>& colours) {
  if (pixels == pixels_ && colours == colours_) return;
  pixels_ = pixels;
  colours_ = colours;
  update();
}

std::optional<QPoint> TilePixelCanvas::pixelAt(QPoint position) {
  if (position.x() < 0 || position.y() < 0) return std::nullopt;
  const QPoint pixel(position.x() / kPixelSize, position.y() / kPixelSize);
  if (pixel.x() >= kTileSize || pixel.y() >= kTileSize) return std::nullopt;
  return pixel;
}

QPoint TilePixelCanvas::centreOf(int x, int y) {
  return {x * kPixelSize + kPixelSize / 2, y * kPixelSize + kPixelSize / 2};
}

void TilePixelCanvas::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      painter.fillRect(x * kPixelSize, y * kPixelSize, kPixelSize, kPixelSize,
                       colours_[pelmora::pixelAt(pixels_, x, y)]);
    }
  }
  painter.setPen(kGridLine);
  for (int i = 0; i <= kTileSize; ++i) {
    painter.drawLine(i * kPixelSize, 0, i * kPixelSize, kCanvasSize - 1);
    painter.drawLine(0, i * kPixelSize, kCanvasSize - 1, i * kPixelSize);
  }
}

void TilePixelCanvas::mousePressEvent(QMouseEvent* event) {
  const std::optional<QPoint> pixel = pixelAt(event->position().toPoint());
  if (pixel) emit pressed(event->button(), *pixel);
}

// Positions outside the tile are handed on too, divided down, so a drag that leaves the tile
// and comes back draws its line; the taker keeps only pixels inside.
void TilePixelCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint position = event->position().toPoint();
  emit dragged(QPoint(position.x() >= 0 ? position.x() / kPixelSize : -1,
                      position.y() >= 0 ? position.y() / kPixelSize : -1));
}

void TilePixelCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released();
}

}  // namespace pelmora::app
