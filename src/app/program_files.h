#pragma once

#include <QString>

namespace pelmora::app {

// The demo image: beside the program (a build), or <bindir>/../share/pelmora/demo.nes (an
// installed program); empty when neither exists.
QString demoImagePath();

// Where the Open dialog starts: the program's folder when it holds the demo image, else the
// user's documents folder.
QString openDialogStartFolder();

// Where the compiled translations (pelmora_<language>.qm) are: beside the program (a build),
// or <bindir>/../share/pelmora/translations (an installed program).
QString translationsFolder();

}  // namespace pelmora::app
