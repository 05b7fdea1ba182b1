#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/editor_state.h"

namespace pelmora {

// What one title screen holds that another does not, in the units a user edits: cells Save
// carries, attribute quadrants of name table 0, palette bytes Save writes and tiles of the
// title's CHR bank. The window marks them; the command line lists them.
enum class ChangeKind : std::uint8_t { kCell, kQuadrant, kColour, kTile };

// The palette arrays Save writes, as the command line names them.
enum class ColourArray : std::uint8_t { kRomPalette, kBkgPalettes, kCoinPalette };
std::string_view colourArrayName(ColourArray array);  // "romPalette", "bkgPalettes", "coinPalette"

struct TitleChange {
  ChangeKind kind = ChangeKind::kCell;
  std::uint8_t nameTable = 0;                    // cells and quadrants: 0 or 2
  int column = 0;                                // cells 0-31, quadrants 0-15
  int row = 0;                                   // cells 0-29, quadrants 0-14
  ColourArray array = ColourArray::kRomPalette;  // colours
  int index = 0;   // colours: the entry in `array`; tiles: the tile number
  int before = 0;  // tile number, palette number (0-3) or colour byte;
  int after = 0;   // for a tile, how many of its 64 pixels differ (before is 0)

  bool operator==(const TitleChange&) const = default;
};

struct TitleChanges {
  int cells = 0;
  int quadrants = 0;
  int colours = 0;
  int tiles = 0;
  std::vector<TitleChange> changes;  // cells, quadrants, colours, then tiles, each in order

  bool none() const { return changes.empty(); }
};

// Everything in `after` that differs from `before`. View choices (selection, palette set,
// palette target, PPU registers) are not compared.
TitleChanges compareTitleScreens(const EditorState& before, const EditorState& after);

// The counts in the user's words: "12 cells, 3 quadrants, 2 colours, 1 tile changed".
std::string changesSummary(const TitleChanges& changes);

}  // namespace pelmora
