#pragma once

namespace pelmora::app {

// Registers the pictures compiled into the editor (button pictures, the program's icon). The
// library is static, so its resources are registered by hand; calling it again does nothing.
void registerResources();

}  // namespace pelmora::app
