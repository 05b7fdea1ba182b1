#pragma once

#include <cstdint>
#include <string>

#include "state/editor_state.h"

namespace pelmora {

// Name table `screen` (0: name table 0, 1: name table 2) as ca65 source: for each of the 30
// tile rows a comment with its row and PPU address, a label, and one .byte line of its 32
// tiles; then the 64 attribute bytes, a comment, a label and one .byte line per 8. Assembled,
// it gives exactly the bytes of the name table's .nam file.
std::string nameTableAssembly(const EditorState& state, int screen);

}  // namespace pelmora
