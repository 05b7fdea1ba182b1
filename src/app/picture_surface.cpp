#include "app/picture_surface.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace pelmora::app {
namespace {

int buttonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= kLeftButton;
  if (buttons & Qt::RightButton) code |= kRightButton;
  if (buttons & Qt::MiddleButton) code |= kMiddleButton;
  return code;
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
  setMouseTracking(true);  // hovering drives the status bar's readout
  // Drawing is synchronous on the window thread, so hiding only has to keep half-drawn
  // pictures off the screen until the view shows the surface again.
  surface_.setHooks({
      [this] { suspended_ = true; },
      [this] {
        suspended_ = false;
        shownStale_ = true;
      },
      [this] {
        ++repaintRequests_;
        shownStale_ = true;
        if (!suspended_) update();
      },
  });
}

PictureSurface::~PictureSurface() {
  surface_.setHooks({});
}

void PictureSurface::setZoom(int zoom) {
  if (zoom != zoom_) shownStale_ = true;
  zoom_ = zoom;
  setFixedSize(surface_.width() * zoom, surface_.height() * zoom);
  update();
}

void PictureSurface::refreshFixedOverlays() {
  shownStale_ = true;
  update();
}

const QImage& PictureSurface::shownImage() {
  if (shownStale_) {
    // Colour values are 0x00BBGGRR, stored as the bytes R, G, B, X. The format ignores the
    // fourth byte, so the picture is opaque on any back buffer, with or without an alpha
    // channel. Enlarged by whole pixels without smoothing.
    const QImage pixels(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(),
                        surface_.height(), surface_.width() * 4, QImage::Format_RGBX8888);
    shown_ = pixels.convertToFormat(QImage::Format_RGB32);
    if (zoom_ != 1) shown_ = shown_.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!fixedOverlays_.empty()) {
      QPainter painter(&shown_);
      for (const OverlayPainter& overlay : fixedOverlays_) {
        painter.save();
        overlay(painter, zoom_);
        painter.restore();
      }
    }
    shownStale_ = false;
  }
  return shown_;
}

void PictureSurface::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, shownImage());
  for (const OverlayPainter& overlay : overlays_) {
    painter.save();
    overlay(painter, zoom_);
    painter.restore();
  }
}

// A press is also where the pointer is now (it may have arrived without a move, as after a
// window switch); the readout follows it before the press changes anything.
void PictureSurface::mousePressEvent(QMouseEvent* event) {
  hover(*event);
  forward(pressHandler_, buttonCode(event->button()), *event);
}

// A quick second press arrives as a double click; it is a press all the same (the pointer may
// have moved to another tile in between).
void PictureSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  hover(*event);
  forward(pressHandler_, buttonCode(event->button()), *event);
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event) {
  hover(*event);
  if (event->buttons() != Qt::NoButton) forward(moveHandler_, buttonCode(event->buttons()), *event);
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event) {
  forward(releaseHandler_, buttonCode(event->button()), *event);
}

void PictureSurface::hover(const QMouseEvent& event) {
  if (!hoverHandler_) return;
  const QPointF position = toSurface(event.position());
  hoverHandler_(position.x(), position.y());
}

void PictureSurface::leaveEvent(QEvent* event) {
  if (hoverHandler_) hoverHandler_(-1, -1);
  QWidget::leaveEvent(event);
}

void PictureSurface::forward(const PointerHandler& handler, int button, const QMouseEvent& event) {
  if (!handler) return;
  const QPointF position = toSurface(event.position());
  handler(button, shiftCode(event.modifiers()), static_cast<float>(position.x()),
          static_cast<float>(position.y()));
}

}  // namespace pelmora::app
