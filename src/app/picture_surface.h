#pragma once

#include <QWidget>
#include <functional>

#include "gfx/surface.h"

namespace pelmora::app {

// Mouse buttons and modifier keys as the press handlers receive them.
enum MouseButtonCode : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftCode : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Shows a core surface's persistent image, one widget pixel per surface pixel, and hands every
// mouse press to the window as button, modifiers and the position in surface pixels. The
// surface's hide, show and repaint hooks drive the widget.
class PictureSurface : public QWidget {
  Q_OBJECT

 public:
  using PressHandler = std::function<void(int button, int shift, float x, float y)>;

  // `surface` must outlive the widget; its hooks are replaced by the widget's.
  PictureSurface(Surface& surface, QWidget* parent);
  ~PictureSurface() override;

  void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }

  const Surface& surface() const { return surface_; }
  // How often the surface asked to be shown anew since the widget was made.
  int repaintRequests() const { return repaintRequests_; }
  bool updatesSuspended() const { return suspended_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void forwardPress(const QMouseEvent& event);

  Surface& surface_;
  PressHandler pressHandler_;
  int repaintRequests_ = 0;
  bool suspended_ = false;
};

}  // namespace pelmora::app
