#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gfx/surface.h"
#include "state/editor_state.h"

namespace pelmora {

constexpr std::size_t kMasterPaletteSize = 65;  // indices 0-64

// The colour tables built once at start-up: MasterPalette, through which every palette byte is
// drawn, and AttributeColours, the highlight colours of attribute values 0-3.
struct ColourTables {
  std::array<ColourValue, kMasterPaletteSize> masterPalette{};
  std::array<ColourValue, 4> attributeColours{};

  // MasterPalette[index]; a byte above 64 (read from a ROM as found) has no entry and is black.
  ColourValue lookup(std::uint8_t index) const;
};

// Colours the user chose in place of the built-in base table, read from a .pal file: 64 colours,
// or 512 (a block of 64 for each emphasis value 0-7, in that order).
struct UserMasterPalette {
  std::vector<ColourValue> colours;

  bool operator==(const UserMasterPalette&) const = default;
};

// An NES colour index under the PPU mask's greyscale and emphasis bits as a colour value.
ColourValue nesColourToRgb(std::uint8_t colour, bool greyscale, std::uint8_t emphasis);

// The same through the user's colours. Greyscale reads colour AND $30 as always; with 64
// colours the emphasis factors scale them as they scale the built-in table, with 512 the
// emphasis value picks the block (greyscale or not: the file holds what the console shows).
ColourValue nesColourToRgb(std::uint8_t colour, bool greyscale, std::uint8_t emphasis,
                           const UserMasterPalette& user);

// Fills `tables` from the mask byte of `registers`, through the user's colours when given.
// Only what is shown depends on them: the saved bytes, exports of the image and the game
// check never read these tables.
void buildMasterPalette(const PpuRegisters& registers, ColourTables& tables,
                        const UserMasterPalette* user = nullptr);

}  // namespace pelmora
