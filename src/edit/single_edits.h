#pragma once

#include <cstdint>
#include <optional>

#include "edit/edit_command.h"
#include "rom/codec_result.h"
#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

// The commands of single presses. None of them changes the state; hand them to perform(). A
// command that would change nothing comes back empty, and perform() ignores it.

// Places the selected tile at `cell` of name table `nameTable` (0 or 2) ("Place Tile"). Refused,
// with the reason in the user's words, where Save does not carry the cell.
Expected<EditCommand> placeTileCommand(const EditorState& state, int nameTable, CellPosition cell);

// Stores attrPaletteSel AND 3 in attribute quadrant `quadrant` of name table `nameTable`
// ("Set Attribute"). Refused on name table 2, whose attribute table Save does not carry.
Expected<EditCommand> setAttributeCommand(const EditorState& state, int nameTable,
                                          CellPosition quadrant);

// Stores `colour` in the palette square last opened, with every square the colour-0 rule writes
// together with it ("Change Colour"); undone as a whole.
EditCommand storeColourCommand(const EditorState& state, std::uint8_t colour);

// Switches the coin palette on or off ("Switch Coin").
EditCommand switchCoinCommand(const EditorState& state, bool enabled);

// The tile number at `cell` of name table `nameTable`, whether Save carries it or not; nothing
// outside the screen.
std::optional<std::uint8_t> tileAt(const EditorState& state, int nameTable, CellPosition cell);

// Makes the tile at `cell` the selected tile, as a choice on the tile sheet would (a view choice,
// not an edit). Returns false, changing nothing, outside the screen.
bool pickTile(EditorState& state, int nameTable, CellPosition cell);

}  // namespace pelmora
