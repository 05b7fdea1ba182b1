#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

// The parts of a document an edit can change. Selection bytes, the palette set on show and the
// palette target are view choices and never part of an edit; viewPalette is derived from the
// palettes and rebuilt after they change.
enum class StatePart : std::uint8_t {
  kPpuImage,     // state.ppuImage
  kRomPalette,   // state.romPalette
  kBkgPalettes,  // state.bkgPalettes
  kCoinPalette,  // state.coinPalette
  kCoinEnabled,  // state.coinEnabled, index 0, as 0 or 1
  kStream35Row,  // state.stream35Row
  kTileSheet,    // state.tileSheet
  kRomBody,      // rom.body, when its size stays the same
  kRomHeader,    // rom.header
};

// One byte an edit changed: where, and its value before and after.
struct ByteChange {
  std::uint32_t index = 0;
  StatePart part = StatePart::kPpuImage;
  std::uint8_t before = 0;
  std::uint8_t after = 0;

  bool operator==(const ByteChange&) const = default;
};

// The rare edit that changes the size of the image body (a patch that grows the file) keeps both
// bodies whole instead of byte changes.
struct RomBodySwap {
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;
};

// Which parts an edit, undo or redo changed, so a window redraws only what shows them.
class PartSet {
 public:
  constexpr PartSet() = default;

  constexpr void insert(StatePart part) { bits_ |= bit(part); }
  constexpr bool contains(StatePart part) const { return (bits_ & bit(part)) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  // Whether viewPalette (and so every view) depends on what changed.
  constexpr bool touchesViewPalette() const {
    return contains(StatePart::kRomPalette) || contains(StatePart::kBkgPalettes);
  }
  constexpr PartSet& operator|=(PartSet other) {
    bits_ |= other.bits_;
    return *this;
  }
  constexpr bool operator==(const PartSet&) const = default;

 private:
  static constexpr std::uint16_t bit(StatePart part) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(part));
  }

  std::uint16_t bits_ = 0;
};

}  // namespace pelmora
