#pragma once

#include <QString>

class QWidget;

namespace pelmora::app {

// Help > Keyboard Shortcuts: every action of `window` that has shortcuts, with all of them, as a
// table.
QString shortcutsText(const QWidget& window);
// Help > About.
QString aboutText();

}  // namespace pelmora::app
