#include "picture/tile_merge.h"

#include <limits>

namespace pelmora {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Whether each candidate is still there to merge into: one byte each, read in the inner loops.
using AliveFlags = std::vector<std::uint8_t>;

// The nearest-tile search counts differing pixels with a population count. Where the compiler
// can build for x86-64 machines both with and without the instruction for it, the search is
// built twice and the loader picks the one this machine runs; elsewhere it is built once.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__ELF__)
#define PELMORA_POPCOUNT_VERSIONS __attribute__((target_clones("popcnt", "default")))
#else
#define PELMORA_POPCOUNT_VERSIONS
#endif

struct Nearest {
  std::size_t index = kNone;
  int distance = std::numeric_limits<int>::max();
};

PELMORA_POPCOUNT_VERSIONS
Nearest findNearest(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
                    std::size_t from) {
  Nearest nearest;
  for (std::size_t j = 0; j < candidates.size(); ++j) {
    if (j == from || !alive[j]) continue;
    const int d = tileDistance(candidates[from].drawing, candidates[j].drawing);
    if (d < nearest.distance) nearest = {j, d};
  }
  return nearest;
}

// The living new candidate whose merge changes the fewest pixels.
std::size_t cheapestMerge(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
                          const std::vector<Nearest>& nearest) {
  std::size_t best = kNone;
  std::uint64_t bestCost = std::numeric_limits<std::uint64_t>::max();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (!alive[i] || !candidates[i].isNew || nearest[i].index == kNone) continue;
    const std::uint64_t cost =
        std::uint64_t{candidates[i].cells} * static_cast<std::uint64_t>(nearest[i].distance);
    if (cost < bestCost) {
      bestCost = cost;
      best = i;
    }
  }
  return best;
}

std::size_t finalCandidate(const std::vector<std::size_t>& into, std::size_t i) {
  while (into[i] != i) i = into[i];
  return i;
}

}  // namespace

std::vector<std::size_t> mergeNearestTiles(std::vector<MergeCandidate> candidates, std::size_t room,
                                           std::size_t& merges) {
  const std::size_t count = candidates.size();
  std::vector<std::size_t> into(count);
  AliveFlags alive(count, 1);
  std::vector<Nearest> nearest(count);
  std::size_t newTiles = 0;
  for (std::size_t i = 0; i < count; ++i) {
    into[i] = i;
    if (!candidates[i].isNew) continue;
    ++newTiles;
    nearest[i] = findNearest(candidates, alive, i);
  }
  merges = 0;
  while (newTiles > room) {
    const std::size_t from = cheapestMerge(candidates, alive, nearest);
    if (from == kNone) break;
    const std::size_t to = nearest[from].index;
    candidates[to].cells += candidates[from].cells;
    alive[from] = 0;
    into[from] = to;
    --newTiles;
    ++merges;
    for (std::size_t i = 0; i < count; ++i) {
      if (alive[i] && candidates[i].isNew && nearest[i].index == from) {
        nearest[i] = findNearest(candidates, alive, i);
      }
    }
  }
  for (std::size_t i = 0; i < count; ++i) into[i] = finalCandidate(into, i);
  return into;
}

}  // namespace pelmora
