#include "edit/edit_command.h"

#include "edit/document.h"
#include "palette/palette_edit.h"

namespace pelmora {
namespace {

template <class Bytes>
void storeWithin(Bytes& bytes, std::uint32_t index, std::uint8_t value) {
  if (index < bytes.size()) bytes[index] = value;
}

void writeByte(Document& document, StatePart part, std::uint32_t index, std::uint8_t value) {
  EditorState& state = document.state;
  switch (part) {
    case StatePart::kPpuImage: storeWithin(state.ppuImage, index, value); break;
    case StatePart::kRomPalette: storeWithin(state.romPalette, index, value); break;
    case StatePart::kBkgPalettes: storeWithin(state.bkgPalettes, index, value); break;
    case StatePart::kCoinPalette: storeWithin(state.coinPalette, index, value); break;
    case StatePart::kCoinEnabled: state.coinEnabled = value != 0; break;
    case StatePart::kStream35Row: storeWithin(state.stream35Row, index, value); break;
    case StatePart::kTileSheet: storeWithin(state.tileSheet, index, value); break;
    case StatePart::kRomBody: storeWithin(document.rom.body, index, value); break;
    case StatePart::kRomHeader: storeWithin(document.rom.header, index, value); break;
  }
}

PartSet partsOf(std::span<const ByteChange> changes, const RomBodySwap* bodySwap) {
  PartSet parts;
  for (const ByteChange& change : changes) parts.insert(change.part);
  if (bodySwap) parts.insert(StatePart::kRomBody);
  return parts;
}

}  // namespace

EditCommand::EditCommand(const char* name, std::vector<ByteChange> changes,
                         std::shared_ptr<const RomBodySwap> bodySwap)
    : name_(name ? name : ""), changes_(std::move(changes)), bodySwap_(std::move(bodySwap)) {}

PartSet EditCommand::parts() const { return partsOf(changes_, bodySwap_.get()); }

PartSet EditCommand::apply(Document& document) const {
  return writeChanges(document, changes_, bodySwap_.get(), ChangeDirection::kForward);
}

PartSet EditCommand::revert(Document& document) const {
  return writeChanges(document, changes_, bodySwap_.get(), ChangeDirection::kBackward);
}

PartSet writeChanges(Document& document, std::span<const ByteChange> changes,
                     const RomBodySwap* bodySwap, ChangeDirection direction) {
  const bool forward = direction == ChangeDirection::kForward;
  if (bodySwap) document.rom.body = forward ? bodySwap->after : bodySwap->before;
  if (forward) {
    for (const ByteChange& change : changes) {
      writeByte(document, change.part, change.index, change.after);
    }
  } else {
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
      writeByte(document, change->part, change->index, change->before);
    }
  }
  const PartSet parts = partsOf(changes, bodySwap);
  if (parts.touchesViewPalette()) applyPaletteSet(document.state, document.state.paletteSet);
  return parts;
}

}  // namespace pelmora
