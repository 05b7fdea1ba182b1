#pragma once
// Distances between tiles (how many pixels differ) counted for many tiles at once, for the
// nearest-tile search of the picture import's tile merging.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/packed_tile.h"

namespace pelmora {

// Tiles with each bit plane in an array of its own, so many are compared in one wide loop.
struct TilePlanes {
  std::vector<std::uint64_t> low;
  std::vector<std::uint64_t> high;

  PackedTile operator[](std::size_t i) const { return {low[i], high[i]}; }
  std::size_t size() const { return low.size(); }
};

// The most tiles one call of leastDistance compares.
constexpr std::size_t kDistanceBlock = 256;

struct LeastDistance {
  int distance = -1;  // -1: no tile was compared
  std::size_t offset = 0;
};

// Among the `count` (at most kDistanceBlock) tiles of `planes` from `at` on whose flag in
// `alive` (indexed like `planes`) is not 0, leaving out the one at offset `skip` (if any), the
// least distance to `tile` and the first offset holding it. The machine's widest instructions
// are used where it has them.
LeastDistance leastDistance(const TilePlanes& planes, const std::uint8_t* alive,
                            const PackedTile& tile, std::size_t at, std::size_t count,
                            std::size_t skip);

// Every build of leastDistance this machine can run, the one it uses last; for tests.
using LeastDistanceBuild = LeastDistance (*)(const TilePlanes&, const std::uint8_t*,
                                             const PackedTile&, std::size_t, std::size_t,
                                             std::size_t);
std::vector<LeastDistanceBuild> leastDistanceBuilds();

}  // namespace pelmora
