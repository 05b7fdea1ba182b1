#include "edit/title_changes.h"

#include <span>

#include "edit/screen_cells.h"
#include "state/saved_area.h"

namespace pelmora {
namespace {

void compareCells(const EditorState& before, const EditorState& after, TitleChanges& out) {
  for (const std::uint8_t nameTable : {0, 2}) {
    for (int row = 0; row < kScreenRows; ++row) {
      if (!isTileRowCarried(nameTable, row)) continue;
      for (int column = 0; column < kScreenColumns; ++column) {
        const std::uint16_t at = tileAddress(nameTable, {column, row});
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

void compareQuadrants(const EditorState& before, const EditorState& after, TitleChanges& out) {
  for (int row = 0; row < kQuadrantRows; ++row) {
    for (int column = 0; column < kQuadrantColumns; ++column) {
      const CellPosition quadrant{column, row};
      const std::uint16_t at = attributeAddress(0, quadrant);
      const int was = quadrantPaletteOf(before.ppuImage[at], quadrant);
      const int is = quadrantPaletteOf(after.ppuImage[at], quadrant);
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
