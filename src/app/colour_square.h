#pragma once

#include <QColor>
#include <QWidget>

#include "gfx/surface.h"

namespace pelmora::app {

// A colour value 0x00BBGGRR as a Qt colour.
QColor toQColor(ColourValue colour);

// Text colours of the squares: the system colour of window backgrounds (light) and of window
// text (dark).
QColor lightTextColour();
QColor darkTextColour();

// One small coloured square with a caption: the palette squares of the main window and the
// colour grid of the palette selector. It paints its colour and caption itself (no style, no
// label), the same in every state, so a hundred of them cost little to make and to repaint.
// Reports left-button clicks and double clicks, and the pointer coming over it and leaving.
class ColourSquare : public QWidget {
  Q_OBJECT

 public:
  explicit ColourSquare(QWidget* parent);

  // Shows `caption` on `background`, in light text when `lightText`, else dark text.
  void showColour(const QString& caption, const QColor& background, bool lightText);
  // What the square is, for a screen reader ("ROM palette entry 5"); its accessible name is
  // this and the colour shown.
  void setRole(const QString& role);

  QString text() const { return caption_; }
  QColor background() const { return background_; }
  QColor textColour() const { return textColour_; }

 signals:
  void clicked();
  void doubleClicked();
  // The pointer came over the square, or left it.
  void hovered();
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void refreshAccessibleName();

  QString caption_;
  QString role_;
  QColor background_ = Qt::black;
  QColor textColour_ = Qt::white;
  bool pressed_ = false;
};

}  // namespace pelmora::app
