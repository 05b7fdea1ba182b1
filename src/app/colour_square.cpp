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

ColourSquare::ColourSquare(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignCenter);
  setMargin(0);
  setIndent(0);
}

void ColourSquare::showColour(const QString& caption, const QColor& background, bool lightText) {
  setText(caption);
  const QColor text = lightText ? lightTextColour() : darkTextColour();
  if (background == this->background() && text == textColour()) return;
  // One colour for every state, so the squares read the same inside a disabled frame.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, text);
  setPalette(colours);
}

QColor ColourSquare::background() const {
  return palette().color(QPalette::Window);
}
QColor ColourSquare::textColour() const {
  return palette().color(QPalette::WindowText);
}

void ColourSquare::setMarked(bool marked) {
  if (marked_ == marked) return;
  marked_ = marked;
  update();
}

void ColourSquare::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!marked_) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(255, 60, 200), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
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
  QLabel::enterEvent(event);
}

void ColourSquare::leaveEvent(QEvent* event) {
  emit left();
  QLabel::leaveEvent(event);
}

}  // namespace pelmora::app
