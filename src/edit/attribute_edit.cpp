#include "edit/attribute_edit.h"

#include "edit/screen_cells.h"

namespace pelmora {

bool setAttributeQuadrant(EditorState& state, double x, double y) {
  const auto quadrant = quadrantAt(x, y);
  if (!quadrant) return false;
  std::uint8_t& attribute = state.ppuImage[attributeAddress(0, *quadrant)];
  attribute = withQuadrantPalette(attribute, *quadrant, state.attrPaletteSel);
  return true;
}

void selectAttributePalette(EditorState& state, int index) {
  state.attrPaletteSel = static_cast<std::uint8_t>(index & 3);
}

}  // namespace pelmora
