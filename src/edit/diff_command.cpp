#include "edit/diff_command.h"

#include <algorithm>
#include <span>

#include "edit/document.h"

namespace pelmora {
namespace {

// Appends a change for every index where `before` and `after` differ, over their common length.
void appendDifferences(std::vector<ByteChange>& changes, StatePart part,
                       std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
  const std::size_t length = std::min(before.size(), after.size());
  auto from = before.begin();
  auto to = after.begin();
  const auto end = before.begin() + static_cast<std::ptrdiff_t>(length);
  while (true) {
    std::tie(from, to) = std::mismatch(from, end, to);
    if (from == end) break;
    changes.push_back({static_cast<std::uint32_t>(from - before.begin()), part, *from, *to});
    ++from;
    ++to;
  }
}

void appendStateDifferences(std::vector<ByteChange>& changes, const EditorState& before,
                            const EditorState& after) {
  appendDifferences(changes, StatePart::kPpuImage, before.ppuImage, after.ppuImage);
  appendDifferences(changes, StatePart::kRomPalette, before.romPalette, after.romPalette);
  appendDifferences(changes, StatePart::kBkgPalettes, before.bkgPalettes, after.bkgPalettes);
  appendDifferences(changes, StatePart::kCoinPalette, before.coinPalette, after.coinPalette);
  const std::uint8_t coinBefore = before.coinEnabled ? 1 : 0;
  const std::uint8_t coinAfter = after.coinEnabled ? 1 : 0;
  if (coinBefore != coinAfter) changes.push_back({0, StatePart::kCoinEnabled, coinBefore, coinAfter});
  appendDifferences(changes, StatePart::kStream35Row, before.stream35Row, after.stream35Row);
  appendDifferences(changes, StatePart::kTileSheet, before.tileSheet, after.tileSheet);
}

}  // namespace

EditCommand diffCommand(const char* name, const Document& before, const EditorState& afterState,
                        const RomImage& afterRom) {
  std::vector<ByteChange> changes;
  appendStateDifferences(changes, before.state, afterState);
  appendDifferences(changes, StatePart::kRomHeader, before.rom.header, afterRom.header);
  if (before.rom.body.size() == afterRom.body.size()) {
    appendDifferences(changes, StatePart::kRomBody, before.rom.body, afterRom.body);
    return EditCommand(name, std::move(changes));
  }
  auto swap = std::make_shared<RomBodySwap>(RomBodySwap{before.rom.body, afterRom.body});
  return EditCommand(name, std::move(changes), std::move(swap));
}

EditCommand diffCommand(const char* name, const Document& before, const EditorState& afterState) {
  std::vector<ByteChange> changes;
  appendStateDifferences(changes, before.state, afterState);
  return EditCommand(name, std::move(changes));
}

}  // namespace pelmora
