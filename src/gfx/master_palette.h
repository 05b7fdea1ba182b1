#pragma once

#include <array>
#include <cstdint>

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

// An NES colour index under the PPU mask's greyscale and emphasis bits as a colour value.
ColourValue nesColourToRgb(std::uint8_t colour, bool greyscale, std::uint8_t emphasis);

// Fills `tables` from the mask byte of `registers`.
void buildMasterPalette(const PpuRegisters& registers, ColourTables& tables);

}  // namespace pelmora
