#include "edit/cell_palette.h"

#include "edit/screen_cells.h"
#include "state/attribute_quadrant.h"

namespace pelmora {

std::uint8_t cellPalette(const EditorState& state, int nameTable, CellPosition cell) {
  const CellPosition quadrant{cell.column / 2, cell.row / 2};
  return quadrantPalette(cell.column, cell.row,
                         state.ppuImage[attributeAddress(nameTable, quadrant)]);
}

std::string cellPaletteCaption(const EditorState& state, int nameTable, CellPosition cell) {
  return "palette " + std::to_string(cellPalette(state, nameTable, cell)) + " of name table " +
         std::to_string(nameTable) + ", column " + std::to_string(cell.column) + ", row " +
         std::to_string(cell.row);
}

}  // namespace pelmora
