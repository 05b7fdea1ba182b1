#pragma once

#include <QColor>
#include <QLabel>

#include "gfx/surface.h"

namespace pelmora::app {

// A colour value 0x00BBGGRR as a Qt colour.
QColor toQColor(ColourValue colour);

// Text colours of the squares: the system colour of window backgrounds (light) and of window
// text (dark).
QColor lightTextColour();
QColor darkTextColour();

// One small coloured square with a caption: the palette squares of the main window and the
// colour grid of the palette selector. Reports left-button clicks and double clicks, and
// the pointer coming over it and leaving.
class ColourSquare : public QLabel {
  Q_OBJECT

 public:
  explicit ColourSquare(QWidget* parent);

  // Shows `caption` on `background`, in light text when `lightText`, else dark text.
  void showColour(const QString& caption, const QColor& background, bool lightText);

  QColor background() const;
  QColor textColour() const;

  // A frame marking the square as changed (View > Show Changes).
  void setMarked(bool marked);
  bool isMarked() const { return marked_; }

 signals:
  void clicked();
  void doubleClicked();
  // The pointer came over the square, or left it.
  void hovered();
  void left();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
  bool marked_ = false;
};

}  // namespace pelmora::app
