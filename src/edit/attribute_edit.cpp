#include "edit/attribute_edit.h"

#include "edit/pointer_position.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kViewLastX = 255;
constexpr int kViewLastY = 239;
constexpr int kBlock = 32;     // one attribute byte covers 32 x 32 view pixels
constexpr int kQuadrant = 16;  // one palette number covers 16 x 16

}  // namespace

bool setAttributeQuadrant(EditorState& state, double x, double y) {
  const auto column = viewCoordinate(x, kViewLastX);
  const auto row = viewCoordinate(y, kViewLastY);
  if (!column || !row) return false;
  const int index = ((*row / kBlock) * 8 + *column / kBlock) & 63;
  const bool right = (*column % kBlock) >= kQuadrant;
  const bool bottom = (*row % kBlock) >= kQuadrant;
  // Bits 0-1 top left, 2-3 top right, 4-5 bottom left, 6-7 bottom right.
  const int shift = (right ? 2 : 0) + (bottom ? 4 : 0);
  std::uint8_t& attribute = state.ppuImage[ppu_address::kAttributeTable0 + index];
  const auto mask = static_cast<std::uint8_t>(~(3 << shift));
  attribute = static_cast<std::uint8_t>((attribute & mask) | ((state.attrPaletteSel & 3) << shift));
  return true;
}

void selectAttributePalette(EditorState& state, int index) {
  state.attrPaletteSel = static_cast<std::uint8_t>(index & 3);
}

}  // namespace pelmora
