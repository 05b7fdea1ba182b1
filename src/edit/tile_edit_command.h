#pragma once

#include <cstdint>

#include "edit/edit_command.h"
#include "edit/tile_edit.h"

namespace pelmora {

// "Edit Tile": tile `tile` of the sheet going from `before` to `after`, one change per pixel
// that differs (an empty command when none does). A painting drag hands its first and last
// pixels here, so the whole drag is one step; the document may already show `after`.
EditCommand tileEditCommand(std::uint8_t tile, const TilePixels& before, const TilePixels& after);

}  // namespace pelmora
