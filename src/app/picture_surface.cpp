#include "app/picture_surface.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "memory/fresh_pages.h"
#include "memory/large_buffers.h"

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

// Colour values are 0x00BBGGRR; the screen's format is 0xFFRRGGBB, opaque on any back buffer,
// with or without an alpha channel.
std::uint32_t screenColour(std::uint32_t value) {
  return 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

// A picture in memory of the core's large buffers (see takeLargeBuffer), given back when the
// picture and its last copy are gone.
QImage largeImage(QSize size) {
  struct Buffer {
    void* pixels;
    std::size_t bytes;
  };
  if (size.isEmpty()) return {};
  const std::size_t bytes =
      static_cast<std::size_t>(size.width()) * 4 * static_cast<std::size_t>(size.height());
  auto* buffer = new Buffer{takeLargeBuffer(bytes), bytes};
  prefaultForWriting(buffer->pixels, bytes);
  return QImage(
      static_cast<uchar*>(buffer->pixels), size.width(), size.height(), size.width() * 4,
      QImage::Format_RGB32,
      [](void* info) {
        auto* owned = static_cast<Buffer*>(info);
        giveBackLargeBuffer(owned->pixels, owned->bytes);
        delete owned;
      },
      buffer);
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

// Every pixel of the kept picture is written once, already enlarged by whole pixels without
// smoothing: each surface row is converted and widened once, then copied to the rows below it.
// The picture's memory is kept from one redraw to the next while its size stays the same.
void PictureSurface::drawShownPixels() {
  const int width = surface_.width();
  const int height = surface_.height();
  if (shown_.size() != QSize(width, height) * zoom_ || shown_.format() != QImage::Format_RGB32)
    shown_ = largeImage(QSize(width, height) * zoom_);
  if (shown_.isNull()) return;
  const auto rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(zoom_) * 4;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* in = surface_.pixels() + static_cast<std::size_t>(y) * width;
    auto* first = reinterpret_cast<std::uint32_t*>(shown_.scanLine(y * zoom_));
    if (zoom_ == 1) {
      for (int x = 0; x < width; ++x) first[x] = screenColour(in[x]);
    } else {
      std::uint32_t* out = first;
      for (int x = 0; x < width; ++x, out += zoom_) std::fill_n(out, zoom_, screenColour(in[x]));
    }
    for (int copy = 1; copy < zoom_; ++copy)
      std::memcpy(shown_.scanLine(y * zoom_ + copy), first, rowBytes);
  }
}

const QImage& PictureSurface::shownImage() {
  if (shownStale_) {
    drawShownPixels();
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
