#pragma once

#include <cstdint>
#include <string>

#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

// The background palette (0-3) the attribute table of name table `nameTable` gives the tile
// cell `cell`: the palette the cell's tile is drawn in.
std::uint8_t cellPalette(const EditorState& state, int nameTable, CellPosition cell);

// Where a palette to draw in came from, in the user's words:
// "palette 1 of name table 0, column 5, row 3".
std::string cellPaletteCaption(const EditorState& state, int nameTable, CellPosition cell);

}  // namespace pelmora
