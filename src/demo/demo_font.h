#pragma once

namespace pelmora::demo {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// A 5 x 7 bitmap per character, '#' for a set pixel. Returns nullptr for a character the font
// does not have.
const char* const* glyphRows(char character);

}  // namespace pelmora::demo
