#pragma once

#include <span>

#include "app/action_registry.h"

namespace pelmora::app {

// The main window's menus and actions, in menu order: the one place a command gets its id,
// text, shortcut and icon. "@tools", "@imports", "@exports" and "@tileExports" are where the
// tools and the file exchanges put their actions.
std::span<const ActionSpec> mainWindowActions();

}  // namespace pelmora::app
