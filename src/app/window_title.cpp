#include "app/window_title.h"

namespace pelmora::app {

const QString& windowTitle() {
  // The version parts come from the build (the project's version), each as a plain decimal.
  static const QString title = QStringLiteral("Pelmora %1.%2.%3")
                                   .arg(PELMORA_VERSION_MAJOR)
                                   .arg(PELMORA_VERSION_MINOR)
                                   .arg(PELMORA_VERSION_PATCH);
  return title;
}

}  // namespace pelmora::app
