#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "picture/packed_tile.h"
#include "state/editor_state.h"

namespace pelmora {

// Where the cells of an imported picture find their tiles.
struct TileAllocation {
  std::vector<std::uint8_t> cellTiles;   // tile number per cell, in the order of the drawings
  std::vector<PackedTile> cellDrawings;  // what each cell shows, after any merge
  TileSheet sheet;                       // the sheet with the new tiles written in
  int tilesUsed = 0;
  int tilesNew = 0;
  int tilesReused = 0;
  int tilesMerged = 0;
  int tilesMissing = 0;  // more free tiles the drawings would need; then nothing is allocated

  bool fits() const { return tilesMissing == 0; }
};

// The sheet's 256 tiles packed; pixels a short sheet lacks read as 0.
std::vector<PackedTile> packSheet(const TileSheet& sheet);

// Gives every cell drawing a tile: identical drawings share one, a drawing the sheet already
// holds reuses that tile (a tile no kept cell needs is taken only when no other holds it),
// and every other drawing goes into a tile marked in `free` that no drawing reuses, lowest
// first. When more are needed than are free, `reduce` merges the cheapest new drawings into
// their nearest tiles until they fit; without it nothing is allocated and tilesMissing says
// how many tiles are short. `sheet` must hold 256 tiles.
TileAllocation allocateTiles(const std::vector<PackedTile>& drawings, const TileSheet& sheet,
                             const std::array<bool, kSheetTiles>& free, bool reduce);

}  // namespace pelmora
