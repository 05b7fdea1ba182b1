#pragma once

#include <QFont>

namespace pelmora::app {

// The three fonts the windows are laid out for. Each is used where it is installed; otherwise
// the system's fixed-pitch font or its default UI font stands in at the same size.

// Courier New 8.25 pt: the captions of the palette squares and the colour grid.
QFont squareCaptionFont();
// MS Sans Serif 8.25 pt: push buttons and picture surfaces.
QFont controlFont();
// Terminal 9 pt: the main window's own font (its labels).
QFont windowFont();

}  // namespace pelmora::app
