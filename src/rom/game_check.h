#pragma once

#include <string_view>

#include "rom/rom_image.h"

namespace pelmora {

// Whether `rom` looks like an image of the game this editor knows: both coin-call sites hold
// either the call or the three no-operations Save writes there. Save overwrites bytes at fixed
// places, so an image that fails this check is probably another game (or a changed one).
bool looksLikeTheGame(const RomImage& rom);

// What the user is asked before such an image is opened in the window ...
inline constexpr std::string_view kUnexpectedGameWarning =
    "This does not look like an image of the game Pelmora edits; saving would overwrite its "
    "bytes at fixed places. Open anyway?";
// ... and told without the question where nobody is asked (the command line, which goes on).
inline constexpr std::string_view kUnexpectedGameStatement =
    kUnexpectedGameWarning.substr(0, kUnexpectedGameWarning.rfind(" Open anyway?"));

}  // namespace pelmora
