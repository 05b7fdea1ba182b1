#pragma once

#include <QWidget>

namespace pelmora::app {

// The main window's client area: every control at its place and size at 1x, all of them
// scaled together at 2x and 3x (places, sizes and fonts). The area keeps its size fixed; the
// window shows it top-left in a scroll area.
class ControlArea : public QWidget {
  Q_OBJECT

 public:
  ControlArea(QSize baseSize, QWidget* parent);

  // Scales every control (made before this call) to `zoom` times its size at 1x.
  void setZoom(int zoom);
  int zoom() const { return zoom_; }
  // A position in the area at 1x, in the area's current pixels.
  QPoint scaled(QPoint base) const { return base * zoom_; }

 private:
  void rememberBase(QWidget* widget);
  void scaleWidget(QWidget* widget) const;

  QSize baseSize_;
  int zoom_ = 1;
};

}  // namespace pelmora::app
