#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "state/editor_state.h"

namespace pelmora {

constexpr std::uint8_t kPaletteSetCount = 6;  // paletteSet runs 0-5

// Makes the square `index` of palette array `target` the one the selector edits and returns
// its current colour (what the selector opens with).
std::uint8_t openPaletteSquare(EditorState& state, std::uint8_t target, std::uint8_t index);

// The squares of palette array `target`: romPalette, bkgPalettes or coinPalette (empty for any
// other target).
std::span<std::uint8_t> paletteSquares(EditorState& state, std::uint8_t target);
std::span<const std::uint8_t> paletteSquares(const EditorState& state, std::uint8_t target);

// The squares of array `target` a store into square `index` writes: colour 0 of a palette in
// romPalette writes colour 0 of all eight palettes, colour 0 of a palette in a background set the
// colour 0 of the four palettes of that set; every other square only itself. Empty for a square
// outside the array.
std::vector<std::size_t> squaresStoredTogether(std::uint8_t target, std::size_t index);

// Stores the selector's colour in the square last opened. Colour 0 of a palette in romPalette
// goes to colour 0 of all eight palettes; colour 0 of a palette in a background set goes to
// colour 0 of the four palettes of that set; coin squares store alone. Then rebuilds
// viewPalette for the current paletteSet.
void storePaletteColour(EditorState& state, std::uint8_t newVal);

// viewPalette = romPalette, with entries 0-15 from background set `set` - 1 when `set` is 1-5.
void applyPaletteSet(EditorState& state, std::int16_t set);

// Steps paletteSet 0, 1, ... 5, 0 and rebuilds viewPalette.
void cyclePaletteSet(EditorState& state);

// Colours whose squares take light text: 1-3, 8-15, 29-31, 46, 47, 62, 63.
bool darkColorSet(std::uint8_t colour);

// Whether a palette square's caption is drawn in light text: the dark colours, and bytes from
// 64 up, which have no colour of their own and show (almost) black.
bool lightCaption(std::uint8_t colour);

// A palette square's caption: upper-case hexadecimal without leading zeros (0, F, 30).
std::string paletteCaption(std::uint8_t colour);

// A selector square's caption: two upper-case hexadecimal digits (00, 0A, 3F).
std::string selectorCaption(std::uint8_t colour);

}  // namespace pelmora
