#include "edit/stroke.h"

#include "edit/cell_line.h"
#include "edit/screen_cells.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr std::uint16_t kNameTableMask = ppu_address::kNameTableStride - 1;

// The cells from the previous position to `to` (only `to` for the first), which becomes the
// previous position.
void lineFromLast(std::optional<CellPosition>& last, CellPosition to,
                  std::vector<CellPosition>& line) {
  cellsOnLine(last.value_or(to), to, line);
  last = to;
}

}  // namespace

bool StrokeLog::write(PpuImage& ppu, std::uint16_t address, std::uint8_t value) {
  const std::uint8_t before = ppu[address];
  if (before == value) return false;
  if (entryOf_.empty()) entryOf_.assign(ppu_address::kNameTableStride, -1);
  std::int32_t& entry = entryOf_[address & kNameTableMask];
  if (entry < 0) {
    entry = static_cast<std::int32_t>(changes_.size());
    changes_.push_back({address, StatePart::kPpuImage, before, value});
  } else {
    changes_[static_cast<std::size_t>(entry)].after = value;
  }
  ppu[address] = value;
  return true;
}

EditCommand StrokeLog::take(const char* name) {
  std::erase_if(changes_, [](const ByteChange& change) { return change.before == change.after; });
  EditCommand command(name, std::move(changes_));
  changes_.clear();
  entryOf_.clear();
  return command;
}

const std::vector<CellPosition>& TileStroke::moveTo(EditorState& state, CellPosition cell) {
  lineFromLast(last_, cell, line_);
  changed_.clear();
  refusal_.clear();
  for (const CellPosition& step : line_) {
    if (auto refusal = tileEditRefusal(nameTable_, step)) {
      if (isTileCell(step)) refusal_ = std::move(*refusal);
      continue;
    }
    if (log_.write(state.ppuImage, tileAddress(nameTable_, step), tile_)) changed_.push_back(step);
  }
  changedCells_ += static_cast<int>(changed_.size());
  return changed_;
}

EditCommand TileStroke::finish() {
  return log_.take(changedCells_ == 1 ? command_name::kPlaceTile : command_name::kPaintTiles);
}

const std::vector<CellPosition>& AttributeStroke::moveTo(EditorState& state,
                                                         CellPosition quadrant) {
  lineFromLast(last_, quadrant, line_);
  changed_.clear();
  refusal_.clear();
  for (const CellPosition& step : line_) {
    if (auto refusal = attributeEditRefusal(nameTable_, step)) {
      if (isQuadrant(step)) refusal_ = std::move(*refusal);
      continue;
    }
    const std::uint16_t address = attributeAddress(nameTable_, step);
    const std::uint8_t value = withQuadrantPalette(state.ppuImage[address], step, palette_);
    if (log_.write(state.ppuImage, address, value)) changed_.push_back(step);
  }
  changedQuadrants_ += static_cast<int>(changed_.size());
  return changed_;
}

EditCommand AttributeStroke::finish() {
  return log_.take(changedQuadrants_ == 1 ? command_name::kSetAttribute
                                          : command_name::kPaintAttributes);
}

}  // namespace pelmora
