#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora {

// Fills the title-screen part of `state` from `rom`: tile sheet, PPU image, stream35Row and
// the palette arrays, and viewPalette as a copy of romPalette. The ROM image is not changed.
// On a range failure (an image too short, a pointer leading outside the body) `state` is left
// exactly as it was and the error names what was out of range.
Status importTitleScreen(const RomImage& rom, EditorState& state);

// Clears `ppu`, fills the four name tables' tile areas with the blank tile, plays list 35, keeps
// its row $22E0 in `savedRow`, then plays lists 8-34.
Status importNameTables(const std::vector<std::uint8_t>& body, PpuImage& ppu,
                        std::array<std::uint8_t, kRowBytes>& savedRow);

// Reads the palette block, the four alternative background sets, the coin palette and the coin
// switch.
Status importPalettes(const std::vector<std::uint8_t>& body, Palette& romPal,
                      std::array<std::uint8_t, kBackgroundSets * kBackgroundSetEntries>& bkgSets,
                      std::array<std::uint8_t, kCoinEntries>& coinPal, bool& coinFlag);

// Body offset of the list behind title pointer `slot`.
Expected<std::int32_t> titleListOffset(const std::vector<std::uint8_t>& body, int slot);

}  // namespace pelmora
