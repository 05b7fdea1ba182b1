#include "palette/palette_edit.h"

#include <algorithm>

#include "state/hex_caption.h"

namespace pelmora {
namespace {

constexpr std::size_t kColoursPerPalette = 4;

template <std::size_t N>
void storeAt(std::array<std::uint8_t, N>& array, std::size_t index, std::uint8_t value) {
  if (index < N) array[index] = value;
}

}  // namespace

std::uint8_t openPaletteSquare(EditorState& state, std::uint8_t target, std::uint8_t index) {
  state.palTarget = target;
  state.palTargetIndex = index;
  switch (target) {
    case kTargetRomPalette: return index < state.romPalette.size() ? state.romPalette[index] : 0;
    case kTargetBackgroundSets:
      return index < state.bkgPalettes.size() ? state.bkgPalettes[index] : 0;
    case kTargetCoinPalette: return index < state.coinPalette.size() ? state.coinPalette[index] : 0;
    default: return 0;
  }
}

void storePaletteColour(EditorState& state, std::uint8_t newVal) {
  const std::size_t index = state.palTargetIndex;
  const bool firstColour = index % kColoursPerPalette == 0;
  switch (state.palTarget) {
    case kTargetRomPalette:
      storeAt(state.romPalette, index, newVal);
      // Colour 0 is shared by all eight palettes.
      if (firstColour && index < state.romPalette.size()) {
        for (std::size_t entry = 0; entry < kPaletteEntries; entry += kColoursPerPalette) {
          state.romPalette[entry] = newVal;
        }
      }
      break;
    case kTargetBackgroundSets:
      storeAt(state.bkgPalettes, index, newVal);
      // Colour 0 is shared by the four palettes of the same set only.
      if (firstColour && index < state.bkgPalettes.size()) {
        const std::size_t set = index / kBackgroundSetEntries;
        for (std::size_t entry = 0; entry < kBackgroundSetEntries; entry += kColoursPerPalette) {
          state.bkgPalettes[set * kBackgroundSetEntries + entry] = newVal;
        }
      }
      break;
    case kTargetCoinPalette: storeAt(state.coinPalette, index, newVal); break;
    default: break;
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
