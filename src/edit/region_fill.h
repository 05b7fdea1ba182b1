#pragma once

#include <cstdint>

#include "edit/edit_command.h"
#include "rom/codec_result.h"
#include "state/cell_position.h"
#include "state/editor_state.h"

namespace pelmora {

// Bucket fill: `tile` in every cell of the 4-connected region of cells that hold the same tile
// as `cell` on name table `nameTable`, never leaving the cells Save writes ("Bucket Fill").
// Refused, with the reason, when `cell` is not such a cell; an empty command when the region
// already holds `tile`.
Expected<EditCommand> regionFillCommand(const EditorState& state, int nameTable,
                                        CellPosition cell, std::uint8_t tile);

}  // namespace pelmora
