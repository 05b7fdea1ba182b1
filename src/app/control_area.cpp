#include "app/control_area.h"

#include <QVariant>

#include "app/picture_surface.h"

namespace pelmora::app {
namespace {

const char* const kBaseGeometry = "pelmoraBaseGeometry";
const char* const kBaseFontSize = "pelmoraBaseFontSize";

QRect scaledRect(const QRect& rect, int zoom) {
  return {rect.topLeft() * zoom, rect.size() * zoom};
}

}  // namespace

ControlArea::ControlArea(QSize baseSize, QWidget* parent) : QWidget(parent), baseSize_(baseSize) {
  setFixedSize(baseSize);
}

// Nothing changes at the zoom already shown (start-up at 1x touches no control).
void ControlArea::setZoom(int zoom) {
  if (zoom == zoom_) return;
  rememberBase(this);
  const QList<QWidget*> children = findChildren<QWidget*>();
  for (QWidget* child : children) rememberBase(child);
  zoom_ = zoom;
  setFixedSize(baseSize_ * zoom);
  scaleWidget(this);
  for (QWidget* child : children) scaleWidget(child);
}

// The first time a widget is scaled, its place, size and font at 1x are kept with it.
void ControlArea::rememberBase(QWidget* widget) {
  if (widget->property(kBaseGeometry).isValid()) return;
  widget->setProperty(kBaseGeometry, widget->geometry());
  if (widget == this || widget->testAttribute(Qt::WA_SetFont))
    widget->setProperty(kBaseFontSize, widget->font().pointSizeF());
}

void ControlArea::scaleWidget(QWidget* widget) const {
  const QVariant fontSize = widget->property(kBaseFontSize);
  if (fontSize.isValid() && fontSize.toDouble() > 0) {
    QFont font = widget->font();
    font.setPointSizeF(fontSize.toDouble() * zoom_);
    widget->setFont(font);
  }
  if (widget == this) return;
  const QRect base = widget->property(kBaseGeometry).toRect();
  if (auto* view = qobject_cast<PictureSurface*>(widget)) {
    view->setZoom(zoom_);
    view->move(base.topLeft() * zoom_);
    return;
  }
  widget->setGeometry(scaledRect(base, zoom_));
}

}  // namespace pelmora::app
