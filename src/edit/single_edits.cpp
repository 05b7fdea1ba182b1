#include "edit/single_edits.h"

#include "edit/screen_cells.h"
#include "palette/palette_edit.h"

namespace pelmora {
namespace {

// A command of at most one byte change: none when the byte already holds `after`.
EditCommand oneByteCommand(const char* name, StatePart part, std::uint32_t index,
                           std::uint8_t before, std::uint8_t after) {
  if (before == after) return EditCommand(name, {});
  return EditCommand(name, {ByteChange{index, part, before, after}});
}

StatePart paletteTargetPart(std::uint8_t target) {
  switch (target) {
    case kTargetBackgroundSets: return StatePart::kBkgPalettes;
    case kTargetCoinPalette: return StatePart::kCoinPalette;
    default: return StatePart::kRomPalette;
  }
}

}  // namespace

Expected<EditCommand> placeTileCommand(const EditorState& state, int nameTable, CellPosition cell) {
  if (auto refusal = tileEditRefusal(nameTable, cell)) return CodecError{std::move(*refusal)};
  const std::uint16_t address = tileAddress(nameTable, cell);
  return oneByteCommand(command_name::kPlaceTile, StatePart::kPpuImage, address,
                        state.ppuImage[address], state.selectedTile);
}

Expected<EditCommand> setAttributeCommand(const EditorState& state, int nameTable,
                                          CellPosition quadrant) {
  if (auto refusal = attributeEditRefusal(nameTable, quadrant)) {
    return CodecError{std::move(*refusal)};
  }
  const std::uint16_t address = attributeAddress(nameTable, quadrant);
  const std::uint8_t before = state.ppuImage[address];
  return oneByteCommand(command_name::kSetAttribute, StatePart::kPpuImage, address, before,
                        withQuadrantPalette(before, quadrant, state.attrPaletteSel));
}

EditCommand storeColourCommand(const EditorState& state, std::uint8_t colour) {
  const auto squares = paletteSquares(state, state.palTarget);
  const StatePart part = paletteTargetPart(state.palTarget);
  std::vector<ByteChange> changes;
  for (const std::size_t square : squaresStoredTogether(state.palTarget, state.palTargetIndex)) {
    if (squares[square] != colour) {
      changes.push_back({static_cast<std::uint32_t>(square), part, squares[square], colour});
    }
  }
  return EditCommand(command_name::kChangeColour, std::move(changes));
}

EditCommand switchCoinCommand(const EditorState& state, bool enabled) {
  return oneByteCommand(command_name::kSwitchCoin, StatePart::kCoinEnabled, 0,
                        state.coinEnabled ? 1 : 0, enabled ? 1 : 0);
}

std::optional<std::uint8_t> tileAt(const EditorState& state, int nameTable, CellPosition cell) {
  if (!isTileCell(cell)) return std::nullopt;
  return state.ppuImage[tileAddress(nameTable, cell)];
}

bool pickTile(EditorState& state, int nameTable, CellPosition cell) {
  const auto tile = tileAt(state, nameTable, cell);
  if (!tile) return false;
  state.selectedTile = *tile;
  return true;
}

}  // namespace pelmora
