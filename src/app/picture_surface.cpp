#include "app/picture_surface.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace pelmora::app {
namespace {

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return kMiddleButton;
    default:
      return 0;
  }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers & Qt::ShiftModifier) code |= kShiftKey;
  if (modifiers & Qt::ControlModifier) code |= kCtrlKey;
  if (modifiers & Qt::AltModifier) code |= kAltKey;
  return code;
}

}  // namespace

PictureSurface::PictureSurface(Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setFixedSize(surface.width(), surface.height());
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Drawing is synchronous on the window thread, so hiding only has to keep half-drawn
  // pictures off the screen until the view shows the surface again.
  surface_.setHooks({
      [this] { suspended_ = true; },
      [this] { suspended_ = false; },
      [this] {
        ++repaintRequests_;
        if (!suspended_) update();
      },
  });
}

PictureSurface::~PictureSurface() {
  surface_.setHooks({});
}

void PictureSurface::paintEvent(QPaintEvent* /*event*/) {
  // Colour values are 0x00BBGGRR, stored as the bytes R, G, B, X: the surface's own pixels
  // are shown as they are, without a copy.
  const QImage image(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(),
                     surface_.height(), surface_.width() * 4, QImage::Format_RGBX8888);
  QPainter painter(this);
  painter.drawImage(0, 0, image);
  // The fourth byte of every pixel is zero. A back buffer with an alpha channel (Wayland, a
  // compositing X server) would take the pixels as transparent, so the picture is backed with
  // opaque black: that makes it opaque and leaves its colours as they are.
  painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
  painter.fillRect(rect(), Qt::black);
}

void PictureSurface::mousePressEvent(QMouseEvent* event) {
  forwardPress(*event);
}

// A quick second press arrives as a double click; it is a press all the same (the pointer may
// have moved to another tile in between).
void PictureSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  forwardPress(*event);
}

void PictureSurface::forwardPress(const QMouseEvent& event) {
  if (!pressHandler_) return;
  const QPointF position = event.position();
  pressHandler_(buttonCode(event.button()), shiftCode(event.modifiers()),
                static_cast<float>(position.x()), static_cast<float>(position.y()));
}

}  // namespace pelmora::app
