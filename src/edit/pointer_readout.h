#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "state/editor_state.h"

namespace pelmora {

// The status bar's description of what lies under the pointer. Positions are in view pixels
// (fractions allowed) and are rounded the way the press handlers round them, so the readout
// names exactly the cell a press there would change. Each function returns an empty text when
// the position lies outside its view.

// Over a screen view of name table `nameTable` (0 or 2): cell, tile, PPU addresses, attribute
// quadrant, palette number and where Save writes the tile, e.g.
// "Name table 0, col 5, row 3: tile $2A at PPU $2065 · attribute $23C1 bottom left,
// palette 2 · body 0x32824, file 0x32834". It fits the status bar of the window at 1x.
std::string screenReadout(const EditorState& state, int nameTable, double x, double y);

// Over an attribute view: the attribute byte's PPU address and value, the quadrant, its palette
// number and where Save writes the byte.
std::string attributeReadout(const EditorState& state, int nameTable, double x, double y);

// Over the tile sheet: the tile number and its CHR offset, given the body offset of the title's
// CHR bank (nothing before an image is open).
std::string tileSheetReadout(std::optional<std::int32_t> chrBankBodyOffset, double x, double y);

// Over palette square `index` of palette array `target` (a PaletteTarget).
std::string paletteSquareReadout(const EditorState& state, std::uint8_t target, int index);

// The current palette set: "ROM palette" for 0, "palette set 2 of 5" for 2.
std::string paletteSetReadout(std::uint8_t paletteSet);

// Where Save writes palette square `index` of `target`, as a body offset.
std::int32_t savedPaletteOffset(std::uint8_t target, int index);

}  // namespace pelmora
