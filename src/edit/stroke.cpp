#include "edit/stroke.h"

#include <variant>

#include "edit/cell_line.h"
#include "edit/screen_cells.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr std::uint16_t kNameTableMask = ppu_address::kNameTableStride - 1;

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

template <class Edit>
const std::vector<CellPosition>& StrokePath::moveAlong(CellPosition to, Edit edit) {
  cellsOnLine(last_.value_or(to), to, line_);
  last_ = to;
  changed_.clear();
  refusal_.clear();
  for (const CellPosition& cell : line_) {
    std::variant<std::string, bool> outcome = edit(cell);
    if (auto* refusal = std::get_if<std::string>(&outcome)) {
      refusal_ = std::move(*refusal);
    } else if (std::get<bool>(outcome)) {
      changed_.push_back(cell);
    }
  }
  changedCells_ += static_cast<int>(changed_.size());
  return changed_;
}

EditCommand StrokePath::finishAs(const char* single, const char* many) {
  return log_.take(changedCells_ == 1 ? single : many);
}

const std::vector<CellPosition>& TileStroke::moveTo(EditorState& state, CellPosition cell) {
  return moveAlong(cell, [&](CellPosition step) -> std::variant<std::string, bool> {
    if (!isTileCell(step)) return false;
    if (auto refusal = tileEditRefusal(nameTable_, step)) return std::move(*refusal);
    return log_.write(state.ppuImage, tileAddress(nameTable_, step), tile_);
  });
}

EditCommand TileStroke::finish() {
  return finishAs(command_name::kPlaceTile, command_name::kPaintTiles);
}

const std::vector<CellPosition>& AttributeStroke::moveTo(EditorState& state,
                                                         CellPosition quadrant) {
  return moveAlong(quadrant, [&](CellPosition step) -> std::variant<std::string, bool> {
    if (!isQuadrant(step)) return false;
    if (auto refusal = attributeEditRefusal(nameTable_, step)) return std::move(*refusal);
    const std::uint16_t address = attributeAddress(nameTable_, step);
    const std::uint8_t value = withQuadrantPalette(state.ppuImage[address], step, palette_);
    return log_.write(state.ppuImage, address, value);
  });
}

EditCommand AttributeStroke::finish() {
  return finishAs(command_name::kSetAttribute, command_name::kPaintAttributes);
}

}  // namespace pelmora
