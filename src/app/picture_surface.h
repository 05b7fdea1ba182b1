#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "gfx/surface.h"

class QPainter;

namespace pelmora::app {

// Mouse buttons and modifier keys as the pointer handlers receive them.
enum MouseButtonCode : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftCode : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Shows a core surface's persistent image at a whole-number zoom, without smoothing, and hands
// mouse presses, moves with a button held, releases and hovering to the window as button,
// modifiers and the position in surface pixels (fractions kept). Overlays (grid, marks) are
// painted over the image by the widget; the surface itself stays exactly what the core drew.
// The surface's hide, show and repaint hooks drive the widget.
class PictureSurface : public QWidget {
  Q_OBJECT

 public:
  // `button` is the button pressed or released (for moves: every button held, as a mask).
  using PointerHandler = std::function<void(int button, int shift, float x, float y)>;
  using HoverHandler = std::function<void(double x, double y)>;
  // Paints in widget pixels; `zoom` widget pixels make one surface pixel.
  using OverlayPainter = std::function<void(QPainter& painter, int zoom)>;

  // `surface` must outlive the widget; its hooks are replaced by the widget's.
  PictureSurface(Surface& surface, QWidget* parent);
  ~PictureSurface() override;

  void setPressHandler(PointerHandler handler) { pressHandler_ = std::move(handler); }
  void setMoveHandler(PointerHandler handler) { moveHandler_ = std::move(handler); }
  void setReleaseHandler(PointerHandler handler) { releaseHandler_ = std::move(handler); }
  // Every pointer move over the widget, with or without a button, and every press (before the
  // press handler); (-1, -1) when it leaves.
  void setHoverHandler(HoverHandler handler) { hoverHandler_ = std::move(handler); }
  // Tells the hover handler about `x`, `y` as if the pointer were there (the keyboard cursor).
  void hover(double x, double y) const {
    if (hoverHandler_) hoverHandler_(x, y);
  }
  // Overlays are painted in the order they were added, each time the widget is painted.
  void addOverlay(OverlayPainter painter) { overlays_.push_back(std::move(painter)); }
  // Marks that change only when the window says so (the grid, the shading of what Save does not
  // write) are painted once into the picture the widget keeps, below the other overlays; that
  // picture is made again when the surface changes, the zoom changes, or after
  // refreshFixedOverlays(). A repaint is then one plain copy, whatever marks are on.
  void addFixedOverlay(OverlayPainter painter) { fixedOverlays_.push_back(std::move(painter)); }
  void refreshFixedOverlays();

  void setZoom(int zoom);
  int zoom() const { return zoom_; }
  // A widget position in surface pixels.
  QPointF toSurface(QPointF position) const { return position / zoom_; }

  const Surface& surface() const { return surface_; }
  // How often the surface asked to be shown anew since the widget was made.
  int repaintRequests() const { return repaintRequests_; }
  bool updatesSuspended() const { return suspended_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void forward(const PointerHandler& handler, int button, const QMouseEvent& event);
  void hover(const QMouseEvent& event);
  const QImage& shownImage();
  void drawShownPixels();

  Surface& surface_;
  PointerHandler pressHandler_;
  PointerHandler moveHandler_;
  PointerHandler releaseHandler_;
  HoverHandler hoverHandler_;
  std::vector<OverlayPainter> overlays_;
  std::vector<OverlayPainter> fixedOverlays_;
  // The surface's pixels in the screen's own byte order at the widget's size, with the fixed
  // overlays on them, made again only when one of them changes: paints that follow (exposes,
  // the other overlays) are plain copies.
  QImage shown_;
  bool shownStale_ = true;
  int zoom_ = 1;
  int repaintRequests_ = 0;
  bool suspended_ = false;
};

}  // namespace pelmora::app
