#pragma once

#include <functional>

class QWidget;

namespace pelmora::app {

// Ctrl with the mouse wheel over `target` (or any widget inside it) zooms: each notch away from
// the user calls `zoomBy(+1)`, each notch towards the user `zoomBy(-1)`. Touchpads that scroll
// in fractions of a notch are summed until a whole notch is reached. The wheel without Ctrl is
// left to `target` (it scrolls).
void zoomOnControlWheel(QWidget& target, std::function<void(int steps)> zoomBy);

}  // namespace pelmora::app
