#include "app/colour_square.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace pelmora::app {

QColor toQColor(ColourValue colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor lightTextColour() {
  return QGuiApplication::palette().color(QPalette::Base);
}
QColor darkTextColour() {
  return QGuiApplication::palette().color(QPalette::WindowText);
}

ColourSquare::ColourSquare(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourSquare::showColour(const QString& caption, const QColor& background, bool lightText) {
  const QColor text = lightText ? lightTextColour() : darkTextColour();
  if (caption == caption_ && background == background_ && text == textColour_) return;
  caption_ = caption;
  background_ = background;
  textColour_ = text;
  refreshAccessibleName();
  update();
}

void ColourSquare::setRole(const QString& role) {
  role_ = role;
  refreshAccessibleName();
}

void ColourSquare::refreshAccessibleName() {
  if (role_.isEmpty()) return;
  setAccessibleName(tr("%1, colour $%2").arg(role_, caption_));
}

void ColourSquare::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.setPen(textColour_);
  painter.drawText(rect(), Qt::AlignCenter, caption_);
}

void ColourSquare::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left-button press and release over the same square.
void ColourSquare::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

void ColourSquare::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  pressed_ = false;
}

void ColourSquare::enterEvent(QEnterEvent* event) {
  emit hovered();
  QWidget::enterEvent(event);
}

void ColourSquare::leaveEvent(QEvent* event) {
  emit left();
  QWidget::leaveEvent(event);
}

}  // namespace pelmora::app
