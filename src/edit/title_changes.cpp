#include "edit/title_changes.h"

#include <span>

#include "edit/saved_area.h"
#include "gfx/views.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kQuadrantColumns = 16;  // two per attribute byte, eight bytes a row
constexpr int kQuadrantRows = 15;     // as the screen shows them (30 tile rows)

void compareCells(const EditorState& before, const EditorState& after, TitleChanges& out) {
  for (const std::uint8_t nameTable : {0, 2}) {
    const std::size_t base = ppu_address::kNameTable0 + nameTable * ppu_address::kNameTableStride;
    for (int row = 0; row < kScreenRows; ++row) {
      if (!isTileRowCarried(nameTable, row)) continue;
      for (int column = 0; column < kScreenColumns; ++column) {
        const std::size_t at = base + static_cast<std::size_t>(row * kScreenColumns + column);
        if (before.ppuImage[at] == after.ppuImage[at]) continue;
        TitleChange change{ChangeKind::kCell, nameTable, column, row};
        change.before = before.ppuImage[at];
        change.after = after.ppuImage[at];
        out.changes.push_back(change);
        ++out.cells;
      }
    }
  }
}

// The palette number of quadrant (`column`, `row`) under the attribute byte covering it.
int quadrantPaletteOf(const PpuImage& ppu, int column, int row) {
  const std::size_t at =
      ppu_address::kAttributeTable0 + static_cast<std::size_t>((row / 2) * 8 + column / 2);
  return quadrantPalette(static_cast<std::int16_t>(column * 2), static_cast<std::int16_t>(row * 2),
                         ppu[at]);
}

void compareQuadrants(const EditorState& before, const EditorState& after, TitleChanges& out) {
  for (int row = 0; row < kQuadrantRows; ++row) {
    for (int column = 0; column < kQuadrantColumns; ++column) {
      const int was = quadrantPaletteOf(before.ppuImage, column, row);
      const int is = quadrantPaletteOf(after.ppuImage, column, row);
      if (was == is) continue;
      TitleChange change{ChangeKind::kQuadrant, 0, column, row};
      change.before = was;
      change.after = is;
      out.changes.push_back(change);
      ++out.quadrants;
    }
  }
}

void compareColours(ColourArray array, std::span<const std::uint8_t> before,
                    std::span<const std::uint8_t> after, TitleChanges& out) {
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    TitleChange change{ChangeKind::kColour};
    change.array = array;
    change.index = static_cast<int>(i);
    change.before = before[i];
    change.after = after[i];
    out.changes.push_back(change);
    ++out.colours;
  }
}

void compareTiles(const TileSheet& before, const TileSheet& after, TitleChanges& out) {
  for (std::size_t tile = 0; tile < kSheetTiles; ++tile) {
    const std::size_t first = tile * kTilePixels;
    if (first + kTilePixels > before.size() || first + kTilePixels > after.size()) break;
    int pixels = 0;
    for (std::size_t i = first; i < first + kTilePixels; ++i) pixels += before[i] != after[i];
    if (pixels == 0) continue;
    TitleChange change{ChangeKind::kTile};
    change.index = static_cast<int>(tile);
    change.after = pixels;
    out.changes.push_back(change);
    ++out.tiles;
  }
}

std::string counted(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string_view colourArrayName(ColourArray array) {
  switch (array) {
    case ColourArray::kRomPalette:
      return "romPalette";
    case ColourArray::kBkgPalettes:
      return "bkgPalettes";
    case ColourArray::kCoinPalette:
      break;
  }
  return "coinPalette";
}

TitleChanges compareTitleScreens(const EditorState& before, const EditorState& after) {
  TitleChanges changes;
  compareCells(before, after, changes);
  compareQuadrants(before, after, changes);
  compareColours(ColourArray::kRomPalette, before.romPalette, after.romPalette, changes);
  compareColours(ColourArray::kBkgPalettes, before.bkgPalettes, after.bkgPalettes, changes);
  compareColours(ColourArray::kCoinPalette, before.coinPalette, after.coinPalette, changes);
  compareTiles(before.tileSheet, after.tileSheet, changes);
  return changes;
}

std::string changesSummary(const TitleChanges& changes) {
  return counted(changes.cells, "cell", "cells") + ", " +
         counted(changes.quadrants, "quadrant", "quadrants") + ", " +
         counted(changes.colours, "colour", "colours") + ", " +
         counted(changes.tiles, "tile", "tiles") + " changed";
}

}  // namespace pelmora
