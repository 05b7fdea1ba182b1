#include "picture/title_picture_import.h"

#include <algorithm>
#include <unordered_set>

#include "state/saved_area.h"
#include "state/tile_usage.h"
#include "gfx/views.h"
#include "palette/palette_edit.h"
#include "picture/colour_match.h"
#include "picture/packed_tile.h"
#include "picture/palette_fit.h"
#include "picture/palette_order.h"
#include "picture/tile_allocation.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

constexpr int kPictureWidth = 256;
constexpr int kShortHeight = 192;  // name table 0 rows 0-23
constexpr int kTallHeight = 240;   // a whole screen; rows 24-27 go to name table 2
constexpr int kColumns = 32;
constexpr int kAreaColumns = 16;
constexpr int kNameTable0Rows = kCarriedRowsNameTable0;
constexpr int kNameTable2Rows = kCarriedRowsNameTable2;  // rows 24-27
constexpr int kAttributeColumns = 8;
constexpr std::size_t kSpriteBackdrops = 16;  // romPalette entries 16, 20, 24, 28

// The imported part of the picture as NES colours, 256 per row.
struct ColourGrid {
  int cellRows = kNameTable0Rows;  // 24, or 28 with name table 2's rows
  std::vector<std::uint8_t> colours;

  std::uint8_t at(int x, int y) const {
    return colours[static_cast<std::size_t>(y * kPictureWidth + x)];
  }
  int areaRows() const { return cellRows / 2; }
};

// The cells of the picture: palette per area, drawing per cell (as palette entries).
struct CellPlan {
  BackgroundPalettes palettes{};
  std::vector<int> areaPalettes;     // areaRows * 16
  std::vector<PackedTile> drawings;  // cellRows * 32
};

Status checkPictureSize(const RgbImage& picture) {
  const bool fits =
      picture.width == kPictureWidth &&
      (picture.height == kShortHeight || picture.height == kTallHeight) &&
      picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height;
  if (fits) return success();
  return outOfRange("The picture is " + std::to_string(picture.width) + " x " +
                    std::to_string(picture.height) +
                    " pixels; a title picture is 256 x 192 or 256 x 240.");
}

ColourGrid matchColours(const RgbImage& picture, ColourMatch& match) {
  ColourGrid grid;
  grid.cellRows =
      picture.height == kTallHeight ? kNameTable0Rows + kNameTable2Rows : kNameTable0Rows;
  const std::size_t count = static_cast<std::size_t>(kPictureWidth) * grid.cellRows * 8;
  grid.colours.resize(count);
  for (std::size_t i = 0; i < count; ++i) grid.colours[i] = match.nearest(picture.pixels[i]);
  return grid;
}

// The palette name table 2's attribute table gives the area at `areaColumn`, `areaRow` (12 or 13).
int nameTable2Palette(const PpuImage& ppu, int areaColumn, int areaRow) {
  const int column = areaColumn * 2;
  const int row = areaRow * 2;
  const std::uint8_t attribute =
      ppu[ppu_address::kNameTable2 + ppu_address::kAttributeOffset +
          static_cast<std::size_t>(kAttributeColumns * (row / 4) + column / 4)];
  return quadrantPalette(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row),
                         attribute);
}

std::vector<AreaColours> collectAreas(const ColourGrid& grid, const PpuImage& ppu) {
  std::vector<AreaColours> areas(static_cast<std::size_t>(grid.areaRows() * kAreaColumns));
  for (int y = 0; y < grid.cellRows * 8; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      ++areas[static_cast<std::size_t>((y / 16) * kAreaColumns + x / 16)].counts[grid.at(x, y)];
    }
  }
  for (int ar = kNameTable0Rows / 2; ar < grid.areaRows(); ++ar) {
    for (int ac = 0; ac < kAreaColumns; ++ac) {
      areas[static_cast<std::size_t>(ar * kAreaColumns + ac)].pinnedPalette =
          nameTable2Palette(ppu, ac, ar);
    }
  }
  return areas;
}

BackgroundPalettes romBackgroundPalettes(const EditorState& state) {
  BackgroundPalettes palettes{};
  for (std::size_t k = 0; k < 4; ++k)
    std::copy_n(state.romPalette.begin() + 4 * k, 4, palettes[k].begin());
  return palettes;
}

// The palette entry each NES colour is drawn with in each palette: the nearest, lowest of equals.
std::array<std::array<std::uint8_t, kPictureColours>, 4> nearestEntries(
    const BackgroundPalettes& palettes, const ColourMatch& match) {
  std::array<std::array<std::uint8_t, kPictureColours>, 4> entries{};
  for (std::size_t k = 0; k < 4; ++k) {
    for (std::size_t c = 0; c < kPictureColours; ++c) {
      std::uint8_t best = 0;
      for (std::uint8_t e = 1; e < 4; ++e) {
        if (match.distance(static_cast<std::uint8_t>(c), palettes[k][e]) <
            match.distance(static_cast<std::uint8_t>(c), palettes[k][best])) {
          best = e;
        }
      }
      entries[k][c] = best;
    }
  }
  return entries;
}

std::vector<PackedTile> drawCells(const ColourGrid& grid, const CellPlan& plan,
                                  const ColourMatch& match) {
  const auto entries = nearestEntries(plan.palettes, match);
  std::vector<PackedTile> drawings(static_cast<std::size_t>(grid.cellRows * kColumns));
  std::array<std::uint8_t, kTilePixels> pixels{};
  for (int row = 0; row < grid.cellRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const int palette =
          plan.areaPalettes[static_cast<std::size_t>((row / 2) * kAreaColumns + column / 2)];
      for (int i = 0; i < 64; ++i) {
        pixels[static_cast<std::size_t>(i)] =
            entries[palette][grid.at(column * 8 + i % 8, row * 8 + i / 8)];
      }
      drawings[static_cast<std::size_t>(row * kColumns + column)] = packTile(pixels.data());
    }
  }
  return drawings;
}

// Puts the three colours of each fitted palette in the order that shares the most tiles.
void orderFittedEntries(CellPlan& plan, const std::vector<PackedTile>& sheetTiles) {
  std::vector<PaletteCell> cells(plan.drawings.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::size_t area = (i / kColumns / 2) * kAreaColumns + (i % kColumns) / 2;
    cells[i] = {plan.areaPalettes[area], plan.drawings[i]};
  }
  const std::unordered_set<PackedTile, PackedTileHash> existing(sheetTiles.begin(),
                                                                sheetTiles.end());
  const std::array<EntryOrder, 4> orders = chooseEntryOrders(cells, existing);
  for (std::size_t i = 0; i < cells.size(); ++i)
    plan.drawings[i] = reorderedTile(cells[i].drawing, orders[cells[i].palette]);
  for (std::size_t k = 0; k < 4; ++k) {
    std::array<std::uint8_t, 4> reordered{};
    for (std::size_t e = 0; e < 4; ++e) reordered[orders[k][e]] = plan.palettes[k][e];
    plan.palettes[k] = reordered;
  }
}

CellPlan planCells(const EditorState& state, const ColourGrid& grid,
                   const PictureImportOptions& options, const std::vector<PackedTile>& sheetTiles,
                   const ColourMatch& match) {
  const std::vector<AreaColours> areas = collectAreas(grid, state.ppuImage);
  CellPlan plan;
  plan.palettes = options.palettes == PicturePalettes::kFit ? fitPalettes(areas, match)
                                                            : romBackgroundPalettes(state);
  plan.areaPalettes.resize(areas.size());
  for (std::size_t a = 0; a < areas.size(); ++a)
    plan.areaPalettes[a] = bestPalette(areas[a], plan.palettes, match);
  plan.drawings = drawCells(grid, plan, match);
  if (options.palettes == PicturePalettes::kFit) orderFittedEntries(plan, sheetTiles);
  return plan;
}

// --- The result ------------------------------------------------------------------------------

int countChangedPixels(const ColourGrid& grid, const CellPlan& cells, const TileAllocation& tiles,
                       const ColourMatch& match) {
  int changed = 0;
  for (int y = 0; y < grid.cellRows * 8; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      const std::size_t cell = static_cast<std::size_t>((y / 8) * kColumns + x / 8);
      const int palette =
          cells.areaPalettes[static_cast<std::size_t>((y / 16) * kAreaColumns + x / 16)];
      const std::uint8_t entry = tilePixel(tiles.cellDrawings[cell], (y % 8) * 8 + x % 8);
      changed += match.rgb(cells.palettes[palette][entry]) != match.rgb(grid.at(x, y));
    }
  }
  return changed;
}

void writeNameTables(EditorState& state, const ColourGrid& grid, const CellPlan& cells,
                     const TileAllocation& tiles) {
  for (int row = 0; row < grid.cellRows; ++row) {
    const std::size_t base =
        row < kNameTable0Rows ? ppu_address::kNameTable0 : ppu_address::kNameTable2;
    for (int column = 0; column < kColumns; ++column) {
      state.ppuImage[base + static_cast<std::size_t>(row * kColumns + column)] =
          tiles.cellTiles[static_cast<std::size_t>(row * kColumns + column)];
    }
  }
  // Attribute rows 0-5 cover cell rows 0-23; rows 6 and 7 keep what they hold.
  for (int ar = 0; ar < kNameTable0Rows / 4; ++ar) {
    for (int ac = 0; ac < kAttributeColumns; ++ac) {
      const auto area = [&](int dy, int dx) {
        return cells
            .areaPalettes[static_cast<std::size_t>((2 * ar + dy) * kAreaColumns + 2 * ac + dx)];
      };
      state.ppuImage[ppu_address::kAttributeTable0 +
                     static_cast<std::size_t>(ar * kAttributeColumns + ac)] =
          static_cast<std::uint8_t>(area(0, 0) | area(0, 1) << 2 | area(1, 0) << 4 |
                                    area(1, 1) << 6);
    }
  }
}

void writeFittedPalettes(EditorState& state, const BackgroundPalettes& palettes) {
  for (std::size_t k = 0; k < 4; ++k) {
    std::copy(palettes[k].begin(), palettes[k].end(), state.romPalette.begin() + 4 * k);
    std::copy(palettes[k].begin(), palettes[k].end(), state.bkgPalettes.begin() + 4 * k);
    state.romPalette[kSpriteBackdrops + 4 * k] = palettes[0][0];
  }
  applyPaletteSet(state, state.paletteSet);
}

std::string missingTilesMessage(int missing) {
  return "The picture needs " + std::to_string(missing) + (missing == 1 ? " tile" : " tiles") +
         " more than are free; nothing was changed.";
}

}  // namespace

Expected<PictureImport> importTitlePicture(const EditorState& state, const RgbImage& picture,
                                           const PictureImportOptions& options) {
  if (Status size = checkPictureSize(picture); !size) return size.error();
  if (state.tileSheet.size() != kSheetTiles * kTilePixels) {
    return outOfRange("The tile sheet does not hold 256 tiles.");
  }
  ColourMatch match;
  const ColourGrid grid = matchColours(picture, match);
  const std::vector<PackedTile> sheetTiles = packSheet(state.tileSheet);
  const CellPlan cells = planCells(state, grid, options, sheetTiles, match);
  PictureImport result{state, {}, true, {}};
  const ReplacedAreas replaced{true, grid.cellRows > kNameTable0Rows};
  const TileAllocation tiles =
      allocateTiles(cells.drawings, state.tileSheet,
                    freeTiles(countCarriedTileUses(state.ppuImage, replaced)), options.reduce);
  result.report = {tiles.tilesUsed,   tiles.tilesNew, tiles.tilesReused, tiles.tilesMerged, 0,
                   tiles.tilesMissing};
  if (!tiles.fits()) {
    result.fits = false;
    result.message = missingTilesMessage(tiles.tilesMissing);
    return result;
  }
  result.report.pixelsChanged = countChangedPixels(grid, cells, tiles, match);
  result.state.tileSheet = tiles.sheet;
  writeNameTables(result.state, grid, cells, tiles);
  if (options.palettes == PicturePalettes::kFit) writeFittedPalettes(result.state, cells.palettes);
  return result;
}

}  // namespace pelmora
