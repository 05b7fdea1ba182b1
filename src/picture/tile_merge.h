#pragma once

#include <cstdint>
#include <vector>

#include "picture/packed_tile.h"

namespace pelmora {

// A tile an import can end on: one the picture needs (`cells` > 0) or one the sheet keeps.
struct MergeCandidate {
  PackedTile drawing;
  std::uint32_t cells = 0;  // how many cells of the picture show it
  bool isNew = false;       // needs a free tile of its own
};

// Merges new tiles into their nearest other candidates, the cheapest first (pixels that
// change: differing pixels times cells), until at most `room` new tiles remain. Returns, for
// each candidate, the candidate it ends as (itself when it stays). `merges` counts the tiles
// merged away.
std::vector<std::size_t> mergeNearestTiles(std::vector<MergeCandidate> candidates, std::size_t room,
                                           std::size_t& merges);

}  // namespace pelmora
