#include "edit/region_fill.h"

#include <array>
#include <vector>

#include "edit/screen_cells.h"

namespace pelmora {
namespace {

constexpr const char* kBucketFill = "Bucket Fill";

}  // namespace

// A flood over the 32 x 30 cells with an explicit stack, each cell visited once.
Expected<EditCommand> regionFillCommand(const EditorState& state, int nameTable,
                                        CellPosition cell, std::uint8_t tile) {
  if (auto refusal = tileEditRefusal(nameTable, cell)) return CodecError{*refusal};
  const std::uint8_t replaced = state.ppuImage[tileAddress(nameTable, cell)];
  std::vector<ByteChange> changes;
  if (replaced == tile) return EditCommand(kBucketFill, std::move(changes));
  std::array<bool, kTileCellColumns * kTileCellRows> seen{};
  std::vector<CellPosition> pending = {cell};
  seen[static_cast<std::size_t>(cell.row * kTileCellColumns + cell.column)] = true;
  while (!pending.empty()) {
    const CellPosition at = pending.back();
    pending.pop_back();
    const std::uint16_t address = tileAddress(nameTable, at);
    changes.push_back({address, StatePart::kPpuImage, replaced, tile});
    for (const CellPosition next : {CellPosition{at.column + 1, at.row}, CellPosition{at.column - 1, at.row},
                                    CellPosition{at.column, at.row + 1}, CellPosition{at.column, at.row - 1}}) {
      if (tileEditRefusal(nameTable, next)) continue;
      const auto index = static_cast<std::size_t>(next.row * kTileCellColumns + next.column);
      if (seen[index] || state.ppuImage[tileAddress(nameTable, next)] != replaced) continue;
      seen[index] = true;
      pending.push_back(next);
    }
  }
  return EditCommand(kBucketFill, std::move(changes));
}

}  // namespace pelmora
