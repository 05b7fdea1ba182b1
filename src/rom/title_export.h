#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora {

// Writes the edited title screen into `rom`'s body in the fixed layout: the 256 tiles of the
// tile sheet into CHR bank 30 (4,096 bytes), lists 8-35 in bank 25, their pointers, the palette
// block, the alternative sets, the coin palette and both coin calls. Sets PpuImage $3F00-$3F0F
// to background set 0 first. An image too short for the layout or the tile bank, or a sheet
// without exactly 256 tiles, is a range failure found before any byte of `rom` or `state`
// changes. A sheet decoded from the bank and not edited writes the bank's bytes unchanged.
Status exportTitleScreen(EditorState& state, RomImage& rom);

// The encoded update list for a title slot: one row record for slots 8-33, the background
// palette for 34, five rows for 35, nothing for any other slot.
std::vector<std::uint8_t> buildUpdateList(std::int16_t slot, const PpuImage& ppu);

// The CPU pointer bytes (low, high) for a list at body offset `position` in bank 25.
std::array<std::uint8_t, 2> titlePointerBytes(std::int32_t position);

}  // namespace pelmora
