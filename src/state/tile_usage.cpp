#include "state/tile_usage.h"

#include "state/saved_area.h"
#include "rom/title_layout.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

std::size_t cellAddress(int nameTable, int column, int row) {
  return ppu_address::kNameTable0 + std::size_t{ppu_address::kNameTableStride} * nameTable +
         static_cast<std::size_t>(row * kScreenColumns + column);
}

// Calls `visit` for every carried cell of the areas not replaced.
template <class Visit>
void forEachCarriedCell(ReplacedAreas replaced, Visit visit) {
  for (const int nameTable : {0, 2}) {
    if (nameTable == 0 ? replaced.nameTable0 : replaced.nameTable2) continue;
    for (int row = 0; row < kScreenRows; ++row) {
      if (!isTileRowCarried(nameTable, row)) continue;
      for (int column = 0; column < kScreenColumns; ++column) visit(nameTable, column, row);
    }
  }
}

}  // namespace

TileUseCounts countCarriedTileUses(const PpuImage& ppu, ReplacedAreas replaced) {
  TileUseCounts counts{};
  forEachCarriedCell(replaced, [&](int nameTable, int column, int row) {
    ++counts[ppu[cellAddress(nameTable, column, row)]];
  });
  return counts;
}

std::vector<TileCell> carriedCellsUsing(const PpuImage& ppu, std::uint8_t tile) {
  std::vector<TileCell> cells;
  forEachCarriedCell({}, [&](int nameTable, int column, int row) {
    if (ppu[cellAddress(nameTable, column, row)] != tile) return;
    cells.push_back({static_cast<std::uint8_t>(nameTable), static_cast<std::uint8_t>(column),
                     static_cast<std::uint8_t>(row)});
  });
  return cells;
}

std::array<bool, kSheetTiles> freeTiles(const TileUseCounts& counts) {
  std::array<bool, kSheetTiles> free{};
  for (std::size_t tile = 0; tile < kSheetTiles; ++tile) free[tile] = counts[tile] == 0;
  free[title::kBlankTile] = false;
  return free;
}

}  // namespace pelmora
