#pragma once

#include <QString>

namespace pelmora::app {

// "Pelmora " and the program's version as major.minor.revision: the caption of both windows
// until a file is opened, and the title of every message box.
const QString& windowTitle();

}  // namespace pelmora::app
