#include "edit/block_stroke.h"

#include "edit/cell_line.h"
#include "edit/screen_cells.h"

namespace pelmora {
namespace {

// The index of the block-grid place that holds `offset` cells from the grid's origin.
int gridPlace(int offset, int size) {
  return offset >= 0 ? offset / size : -((-offset + size - 1) / size);
}

}  // namespace

const std::vector<CellPosition>& BlockStroke::moveTo(EditorState& state, CellPosition cell) {
  if (!origin_) origin_ = cell;
  cellsOnLine(last_.value_or(cell), cell, line_);
  last_ = cell;
  changed_.clear();
  refusal_.clear();
  if (block_.empty()) return changed_;
  for (const CellPosition& step : line_) {
    const int across = gridPlace(step.column - origin_->column, block_.width);
    const int down = gridPlace(step.row - origin_->row, block_.height);
    if (!placed_.insert({across, down}).second) continue;
    place(state, CellPosition{(origin_->column + across * block_.width),
                              (origin_->row + down * block_.height)});
  }
  return changed_;
}

void BlockStroke::place(EditorState& state, CellPosition topLeft) {
  for (int row = 0; row < block_.height; ++row) {
    for (int column = 0; column < block_.width; ++column) {
      const CellPosition cell{(topLeft.column + column),
                              (topLeft.row + row)};
      if (!isTileCell(cell)) continue;
      if (auto refusal = tileEditRefusal(nameTable_, cell)) {
        refusal_ = std::move(*refusal);
        continue;
      }
      if (log_.write(state.ppuImage, tileAddress(nameTable_, cell), block_.at(column, row)))
        changed_.push_back(cell);
    }
  }
}

EditCommand BlockStroke::finish() {
  return log_.take(placed_.size() == 1 ? command_name::kPlaceBlock : command_name::kPaintBlocks);
}

}  // namespace pelmora
