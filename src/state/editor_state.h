#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pelmora {

// The virtual PPU address space $0000-$3FFF, one byte per address, without mirroring.
constexpr std::size_t kPpuImageSize = 0x4000;
using PpuImage = std::array<std::uint8_t, kPpuImageSize>;

// Decoded tiles, one byte (0-3) per pixel: tile t, column x, row y at t * 64 + y * 8 + x.
constexpr std::size_t kTilePixels = 64;
constexpr std::size_t kSheetTiles = 256;
using TileSheet = std::vector<std::uint8_t>;

// A palette in the order of PPU palette memory $3F00-$3F1F: background palettes 0-3, then
// sprite palettes 0-3, four NES colour indices each.
constexpr std::size_t kPaletteEntries = 32;
using Palette = std::array<std::uint8_t, kPaletteEntries>;

constexpr std::size_t kBackgroundSets = 5;
constexpr std::size_t kBackgroundSetEntries = 16;
constexpr std::size_t kCoinEntries = 7;
constexpr std::size_t kRowBytes = 32;

// The PPU registers the colour table is built from; only the mask byte ($2001) is read.
struct PpuRegisters {
  std::uint8_t control = 0;  // $2000
  std::uint8_t mask = 0;     // $2001: bit 0 greyscale, bits 5-7 colour emphasis

  bool operator==(const PpuRegisters&) const = default;
};

// Which palette array the palette selector edits.
enum PaletteTarget : std::uint8_t {
  kTargetRomPalette = 0,
  kTargetBackgroundSets = 1,
  kTargetCoinPalette = 2,
};

// Everything the user edits and the views draw. Owned by one document; palette bytes read from
// a ROM are stored as found (they may exceed 63).
struct EditorState {
  std::uint8_t selectedTile = 0;    // tile that screen presses place
  std::uint8_t attrPaletteSel = 0;  // palette number 0-3 that attribute presses store
  std::uint8_t paletteSet = 0;      // 0 = none, n = background set n - 1 replaces entries 0-15
  Palette viewPalette{};            // what every view is drawn with
  Palette romPalette{};             // the title screen's palette block
  std::array<std::uint8_t, kBackgroundSets * kBackgroundSetEntries> bkgPalettes{};
  bool coinEnabled = false;
  std::array<std::uint8_t, kCoinEntries> coinPalette{};
  std::array<std::uint8_t, kRowBytes> stream35Row{};  // row $22E0 as list 35 left it
  TileSheet tileSheet = TileSheet(kSheetTiles * kTilePixels, 0);
  PpuImage ppuImage{};
  PpuRegisters ppuRegisters{};
  std::uint8_t palTarget = kTargetRomPalette;
  std::uint8_t palTargetIndex = 0;

  bool operator==(const EditorState&) const = default;
};

// Start-up values: selection bytes 0, palettes and tile sheet zero.
void initEditorState(EditorState& state);

}  // namespace pelmora
