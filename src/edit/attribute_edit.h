#pragma once

#include <cstdint>

#include "state/editor_state.h"

namespace pelmora {

// A press at (x, y) on the attribute view of name table 0 (256 x 240) stores attrPaletteSel
// AND 3 in the quadrant under it: bits 0-1 top left, 2-3 top right, 4-5 bottom left, 6-7 bottom
// right of the attribute byte at $23C0 + (Y / 32) * 8 + X / 32. Returns false, changing
// nothing, outside the view.
bool setAttributeQuadrant(EditorState& state, double x, double y);

// The palette number chosen with the attribute option buttons (only the low two bits count).
void selectAttributePalette(EditorState& state, int index);

}  // namespace pelmora
