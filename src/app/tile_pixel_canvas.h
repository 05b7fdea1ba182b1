#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <array>
#include <optional>

#include "edit/tile_edit.h"

namespace pelmora::app {

// One tile's 8 x 8 pixels, each drawn as a square of kPixelSize screen pixels with a grid
// between them. Presses, drags and releases are handed on as the tile pixel under the pointer;
// the canvas itself changes nothing.
class TilePixelCanvas : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPixelSize = 24;  // three times the 8x the views' tile sheet shows

  explicit TilePixelCanvas(QWidget* parent);

  // Shows `pixels`, each value in its colour of `colours`.
  void showPixels(const TilePixels& pixels, const std::array<QColor, 4>& colours);
  const TilePixels& shownPixels() const { return pixels_; }

  // The tile pixel at a widget position; nothing outside the tile.
  static std::optional<QPoint> pixelAt(QPoint position);
  // The widget position of the centre of tile pixel (x, y).
  static QPoint centreOf(int x, int y);

  QSize sizeHint() const override;

 signals:
  void pressed(Qt::MouseButton button, QPoint pixel);
  // A move with the left button held; `pixel` may lie outside the tile (clamped by the taker).
  void dragged(QPoint pixel);
  void released();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TilePixels pixels_{};
  std::array<QColor, 4> colours_{};
};

}  // namespace pelmora::app
