#pragma once

#include <QSize>

class QWidget;

namespace pelmora::app {

// Resizes a top-level window to `wanted`, never larger than its screen's available area (less
// the frame the window system adds), and moves it back onto that area where growing would push
// it past the right or bottom edge.
void resizeWithinScreen(QWidget& window, QSize wanted);

}  // namespace pelmora::app
