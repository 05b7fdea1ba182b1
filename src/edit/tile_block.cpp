#include "edit/tile_block.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "edit/screen_cells.h"

namespace pelmora {
namespace {

constexpr const char* kNothingOnScreen = "The selection is outside the screen.";

// Collects the changes of a block operation and the reason for the first cell it had to skip.
class BlockWriter {
 public:
  BlockWriter(const EditorState& state, int nameTable) : state_(state), nameTable_(nameTable) {}

  void write(CellPosition cell, std::uint8_t tile) {
    if (auto refusal = tileEditRefusal(nameTable_, cell)) {
      if (!refusal_) refusal_ = std::move(refusal);
      return;
    }
    ++carriedCells_;
    const std::uint16_t address = tileAddress(nameTable_, cell);
    const std::uint8_t before = state_.ppuImage[address];
    if (before != tile) changes_.push_back({address, StatePart::kPpuImage, before, tile});
  }

  Expected<EditCommand> command(const char* name) {
    if (carriedCells_ == 0) return CodecError{refusal_.value_or(kNothingOnScreen)};
    return EditCommand(name, std::move(changes_));
  }

 private:
  const EditorState& state_;
  int nameTable_;
  std::vector<ByteChange> changes_;
  std::optional<std::string> refusal_;
  int carriedCells_ = 0;
};

}  // namespace

CellRect rectBetween(CellPosition a, CellPosition b) {
  const int left = std::min(a.column, b.column);
  const int top = std::min(a.row, b.row);
  return {left, top, std::max(a.column, b.column) - left + 1, std::max(a.row, b.row) - top + 1};
}

CellRect clippedToScreen(CellRect rect) {
  const int left = std::max(rect.column, 0);
  const int top = std::max(rect.row, 0);
  // In 64 bits: a rectangle far off the screen must not overflow.
  const auto right = static_cast<int>(
      std::min<std::int64_t>(std::int64_t{rect.column} + rect.width, kTileCellColumns));
  const auto bottom = static_cast<int>(
      std::min<std::int64_t>(std::int64_t{rect.row} + rect.height, kTileCellRows));
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

TileBlock copyBlock(const EditorState& state, int nameTable, CellRect rect) {
  const CellRect clipped = clippedToScreen(rect);
  TileBlock block{clipped.width, clipped.height, {}};
  block.tiles.reserve(static_cast<std::size_t>(clipped.width * clipped.height));
  for (int row = clipped.row; row < clipped.row + clipped.height; ++row) {
    for (int column = clipped.column; column < clipped.column + clipped.width; ++column) {
      block.tiles.push_back(state.ppuImage[tileAddress(nameTable, {column, row})]);
    }
  }
  return block;
}

Expected<EditCommand> fillRectCommand(const char* name, const EditorState& state, int nameTable,
                                      CellRect rect, std::uint8_t tile) {
  const CellRect clipped = clippedToScreen(rect);
  BlockWriter writer(state, nameTable);
  for (int row = clipped.row; row < clipped.row + clipped.height; ++row) {
    for (int column = clipped.column; column < clipped.column + clipped.width; ++column) {
      writer.write({column, row}, tile);
    }
  }
  return writer.command(name);
}

Expected<EditCommand> cutCommand(const EditorState& state, int nameTable, CellRect rect) {
  return fillRectCommand(command_name::kCut, state, nameTable, rect, kBlankTile);
}

Expected<EditCommand> deleteCommand(const EditorState& state, int nameTable, CellRect rect) {
  return fillRectCommand(command_name::kDelete, state, nameTable, rect, kBlankTile);
}

Expected<EditCommand> fillCommand(const EditorState& state, int nameTable, CellRect rect) {
  return fillRectCommand(command_name::kFill, state, nameTable, rect, state.selectedTile);
}

Expected<EditCommand> pasteCommand(const EditorState& state, int nameTable, CellPosition topLeft,
                                   const TileBlock& block) {
  if (block.empty()) return CodecError{"There is no copied block to paste."};
  const CellRect target =
      clippedToScreen({topLeft.column, topLeft.row, block.width, block.height});
  BlockWriter writer(state, nameTable);
  for (int row = target.row; row < target.row + target.height; ++row) {
    for (int column = target.column; column < target.column + target.width; ++column) {
      writer.write({column, row}, block.at(column - topLeft.column, row - topLeft.row));
    }
  }
  return writer.command(command_name::kPaste);
}

TileBlock sheetBlock(CellRect rect) {
  constexpr int kSheetColumns = 16;
  const int left = std::clamp(rect.column, 0, kSheetColumns);
  const int top = std::clamp(rect.row, 0, kSheetColumns);
  const int right = std::clamp(rect.column + rect.width, left, kSheetColumns);
  const int bottom = std::clamp(rect.row + rect.height, top, kSheetColumns);
  TileBlock block{right - left, bottom - top, {}};
  for (int row = top; row < bottom; ++row) {
    for (int column = left; column < right; ++column)
      block.tiles.push_back(static_cast<std::uint8_t>(row * kSheetColumns + column));
  }
  return block;
}

}  // namespace pelmora
