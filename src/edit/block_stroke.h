#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "edit/edit_command.h"
#include "edit/stroke.h"
#include "edit/tile_block.h"

namespace pelmora {

// A block brush on a screen view: a press places the whole block with its top-left corner at
// the cell pressed, and a drag places it again wherever the pointer enters a new place of the
// block's grid (the grid starts at the cell pressed, one block wide and high). Cells Save does
// not carry and cells off the screen are left as they are. Each move is applied to the state at
// once; the stroke ends as one command for the history.
class BlockStroke {
 public:
  BlockStroke(int nameTable, TileBlock block) : nameTable_(nameTable), block_(std::move(block)) {}

  // Places the block at every grid place on the line from the previous cell (the press: only
  // `cell`) to `cell`. Returns the cells whose tile changed, valid until the next move.
  const std::vector<CellPosition>& moveTo(EditorState& state, CellPosition cell);
  // Why the latest move left a cell of the block as it was (a cell Save does not carry); empty
  // when it left none.
  const std::string& refusal() const { return refusal_; }

  // "Place Block" for a single placing, else "Paint Blocks": hand it to recordPerformed().
  EditCommand finish();

 private:
  void place(EditorState& state, CellPosition topLeft);

  int nameTable_;
  TileBlock block_;
  std::optional<CellPosition> origin_;
  std::optional<CellPosition> last_;
  std::set<std::pair<int, int>> placed_;  // grid places already placed in this stroke
  std::vector<CellPosition> line_;
  std::vector<CellPosition> changed_;
  std::string refusal_;
  StrokeLog log_;
};

}  // namespace pelmora
