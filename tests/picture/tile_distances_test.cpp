#include "picture/tile_distances.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace pelmora {
namespace {

// Every build this machine runs finds what a plain scan finds: the least distance among the
// living tiles other than the skipped one, and the first offset holding it, for blocks of every
// length and start, with few distinct distances so that ties are common.
TEST(TileDistances, EveryBuildFindsTheFirstLeastLivingTile) {
  std::mt19937_64 random(11);
  TilePlanes planes;
  std::vector<std::uint8_t> alive;
  for (std::size_t i = 0; i < 3 * kDistanceBlock; ++i) {
    planes.low.push_back(random() & random() & random());
    planes.high.push_back(random() & random() & random());
    alive.push_back(random() % 4 != 0 ? 1 : 0);
  }
  for (const LeastDistanceBuild build : leastDistanceBuilds()) {
    for (std::size_t trial = 0; trial < 400; ++trial) {
      const std::size_t at = random() % (2 * kDistanceBlock);
      const std::size_t count = trial % (kDistanceBlock + 1);
      const std::size_t skip = random() % (count + 2);  // sometimes outside the block
      const PackedTile tile = planes[random() % planes.size()];
      LeastDistance expected;
      for (std::size_t i = 0; i < count; ++i) {
        const int d = std::popcount((planes.low[at + i] ^ tile.low) | (planes.high[at + i] ^ tile.high));
        if (alive[at + i] != 0 && i != skip && (expected.distance < 0 || d < expected.distance))
          expected = {d, i};
      }
      const LeastDistance found = build(planes, alive.data(), tile, at, count, skip);
      ASSERT_EQ(found.distance, expected.distance) << "at " << at << ", count " << count;
      if (expected.distance >= 0) {
        ASSERT_EQ(found.offset, expected.offset);
      }
    }
  }
}

}  // namespace
}  // namespace pelmora
