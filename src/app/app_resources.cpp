#include "app/app_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerPelmoraResources() { Q_INIT_RESOURCE(pelmora); }

namespace pelmora::app {

void registerResources() {
  static const bool registered = (registerPelmoraResources(), true);
  (void)registered;
}

}  // namespace pelmora::app
