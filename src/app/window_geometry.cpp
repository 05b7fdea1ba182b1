#include "app/window_geometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pelmora::app {

void resizeWithinScreen(QWidget& window, QSize wanted) {
  const QScreen* shownOn = window.screen();
  if (shownOn == nullptr) {
    window.resize(wanted);
    return;
  }
  const QRect available = shownOn->availableGeometry();
  const bool visible = window.isVisible();
  const QSize frame = visible ? window.frameGeometry().size() - window.size() : QSize(0, 0);
  window.resize(wanted.boundedTo(available.size() - frame));
  if (!visible) return;
  QRect outer = window.frameGeometry();
  outer.moveRight(std::min(outer.right(), available.right()));
  outer.moveBottom(std::min(outer.bottom(), available.bottom()));
  outer.moveLeft(std::max(outer.left(), available.left()));
  outer.moveTop(std::max(outer.top(), available.top()));
  if (outer.topLeft() != window.frameGeometry().topLeft()) window.move(outer.topLeft());
}

}  // namespace pelmora::app
