#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "picture/packed_tile.h"

namespace pelmora {

// Which entry (1-3) each of a palette's three colours takes; entry 0 stays the backdrop.
using EntryOrder = std::array<std::uint8_t, 4>;

// A cell as the import sees it: its palette number and its pixels as entries of that palette
// in the palette's first order.
struct PaletteCell {
  int palette = 0;
  PackedTile drawing;
};

// The order of the three colours within each of the four palettes under which the cells need
// the fewest new tiles (tiles not among `existing`), then the fewest tiles in all: the same
// drawing in two palettes then becomes one tile. Orders are improved step by step, a step
// reordering one palette or a group of them alike, until no step helps.
std::array<EntryOrder, 4> chooseEntryOrders(
    const std::vector<PaletteCell>& cells,
    const std::unordered_set<PackedTile, PackedTileHash>& existing);

}  // namespace pelmora
