#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "state/editor_state.h"

namespace pelmora {

// How many carried cells (the cells Save writes: name table 0 rows 0-23, name table 2 rows
// 24-27) show each tile.
using TileUseCounts = std::array<std::uint16_t, kSheetTiles>;

// Carried areas left out of a count: the areas a picture import is about to replace.
struct ReplacedAreas {
  bool nameTable0 = false;  // name table 0 rows 0-23
  bool nameTable2 = false;  // name table 2 rows 24-27
};

// One cell of a screen: name table 0 or 2, column 0-31, row 0-29.
struct TileCell {
  std::uint8_t nameTable = 0;
  std::uint8_t column = 0;
  std::uint8_t row = 0;

  bool operator==(const TileCell&) const = default;
};

TileUseCounts countCarriedTileUses(const PpuImage& ppu, ReplacedAreas replaced = {});

// The carried cells that show `tile`, name table 0 first, row by row (what hovering a tile on
// the sheet highlights; its size is the readout's count).
std::vector<TileCell> carriedCellsUsing(const PpuImage& ppu, std::uint8_t tile);

// Tiles no counted cell uses. Tile $FC, which blanks the screens before the title is drawn,
// is never free.
std::array<bool, kSheetTiles> freeTiles(const TileUseCounts& counts);

}  // namespace pelmora
