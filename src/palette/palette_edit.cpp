#include "palette/palette_edit.h"

#include <algorithm>

#include "state/hex_caption.h"

namespace pelmora {
namespace {

constexpr std::size_t kColoursPerPalette = 4;

// The squares sharing colour 0 with square `index`, one per palette, within `first` .. `end`.
std::vector<std::size_t> colourZeroGroup(std::size_t first, std::size_t end) {
  std::vector<std::size_t> squares;
  for (std::size_t entry = first; entry < end; entry += kColoursPerPalette) squares.push_back(entry);
  return squares;
}

// The array of `target` in `state` (const or not), empty for an unknown target.
template <class Byte, class State>
std::span<Byte> squaresOf(State& state, std::uint8_t target) {
  switch (target) {
    case kTargetRomPalette: return state.romPalette;
    case kTargetBackgroundSets: return state.bkgPalettes;
    case kTargetCoinPalette: return state.coinPalette;
    default: return {};
  }
}

std::size_t squareCount(std::uint8_t target) {
  switch (target) {
    case kTargetRomPalette: return kPaletteEntries;
    case kTargetBackgroundSets: return kBackgroundSets * kBackgroundSetEntries;
    case kTargetCoinPalette: return kCoinEntries;
    default: return 0;
  }
}

}  // namespace

std::span<std::uint8_t> paletteSquares(EditorState& state, std::uint8_t target) {
  return squaresOf<std::uint8_t>(state, target);
}

std::span<const std::uint8_t> paletteSquares(const EditorState& state, std::uint8_t target) {
  return squaresOf<const std::uint8_t>(state, target);
}

std::vector<std::size_t> squaresStoredTogether(std::uint8_t target, std::size_t index) {
  if (index >= squareCount(target)) return {};
  const bool firstColour = index % kColoursPerPalette == 0;
  // Colour 0 is shared by all eight palettes of romPalette, and by the four palettes of one set.
  if (firstColour && target == kTargetRomPalette) return colourZeroGroup(0, kPaletteEntries);
  if (firstColour && target == kTargetBackgroundSets) {
    const std::size_t first = index / kBackgroundSetEntries * kBackgroundSetEntries;
    return colourZeroGroup(first, first + kBackgroundSetEntries);
  }
  return {index};
}

std::uint8_t openPaletteSquare(EditorState& state, std::uint8_t target, std::uint8_t index) {
  state.palTarget = target;
  state.palTargetIndex = index;
  const auto squares = paletteSquares(state, target);
  return index < squares.size() ? squares[index] : 0;
}

void storePaletteColour(EditorState& state, std::uint8_t newVal) {
  const auto squares = paletteSquares(state, state.palTarget);
  for (const std::size_t square : squaresStoredTogether(state.palTarget, state.palTargetIndex)) {
    squares[square] = newVal;
  }
  applyPaletteSet(state, state.paletteSet);
}

void applyPaletteSet(EditorState& state, std::int16_t set) {
  state.viewPalette = state.romPalette;
  if (set >= 1 && set <= static_cast<std::int16_t>(kBackgroundSets)) {
    const auto first = state.bkgPalettes.begin() + kBackgroundSetEntries * (set - 1);
    std::copy_n(first, kBackgroundSetEntries, state.viewPalette.begin());
  }
}

void cyclePaletteSet(EditorState& state) {
  const int next = state.paletteSet + 1;
  state.paletteSet = static_cast<std::uint8_t>(next >= kPaletteSetCount ? 0 : next);
  applyPaletteSet(state, state.paletteSet);
}

bool darkColorSet(std::uint8_t colour) {
  return (colour >= 0x01 && colour <= 0x03) || (colour >= 0x08 && colour <= 0x0F) ||
         (colour >= 0x1D && colour <= 0x1F) || colour == 0x2E || colour == 0x2F ||
         colour == 0x3E || colour == 0x3F;
}

bool lightCaption(std::uint8_t colour) { return colour >= 64 || darkColorSet(colour); }

std::string paletteCaption(std::uint8_t colour) {
  const std::string digits = twoDigitHex(colour);
  return colour < 16 ? digits.substr(1) : digits;
}

std::string selectorCaption(std::uint8_t colour) { return twoDigitHex(colour); }

}  // namespace pelmora
