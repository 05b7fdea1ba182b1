#include "picture/tile_merge.h"

#include <functional>
#include <limits>
#include <queue>
#include <utility>

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

// The first living candidate other than `self` at the least distance among those from `begin`
// to `end`; the scan stops at the first one at distance `enough` (one known to be the least).
// The distance is counted for every candidate and compared first, as the test that is rarely
// true, which keeps the loop short.
PELMORA_POPCOUNT_VERSIONS
Nearest scanNearest(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
                    std::size_t self, std::size_t begin, std::size_t end, int enough) {
  const PackedTile tile = candidates[self].drawing;
  Nearest nearest;
  for (std::size_t j = begin; j < end; ++j) {
    const int d = tileDistance(tile, candidates[j].drawing);
    if (d < nearest.distance && alive[j] != 0 && j != self) {
      nearest = {j, d};
      if (d == enough) break;
    }
  }
  return nearest;
}

Nearest findNearest(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
                    std::size_t self) {
  return scanNearest(candidates, alive, self, 0, candidates.size(), -1);
}

// The nearest living candidate of `self` once its nearest, `gone`, has been merged away. None
// is nearer than `gone` was, and none before `gone` was as near (the first of equals is taken),
// so the first one after `gone` at that distance is the answer when there is one; otherwise the
// rest of the list is searched too.
Nearest findNextNearest(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
                        std::size_t self, const Nearest& gone) {
  const Nearest after =
      scanNearest(candidates, alive, self, gone.index + 1, candidates.size(), gone.distance);
  if (after.distance == gone.distance) return after;
  const Nearest before = scanNearest(candidates, alive, self, 0, gone.index, -1);
  return before.distance <= after.distance ? before : after;
}

// New candidates by what merging them changes (differing pixels times cells), cheapest first
// and the lowest index first among equals. A candidate is offered again whenever its cost
// changes; costs only grow (cells are added, and a nearest tile that is merged away is replaced
// by one no nearer), so an entry whose cost is no longer the candidate's own is out of date.
class MergeQueue {
 public:
  MergeQueue(const std::vector<MergeCandidate>& candidates, const AliveFlags& alive,
             const std::vector<Nearest>& nearest)
      : candidates_(candidates), alive_(alive), nearest_(nearest) {}

  void offer(std::size_t i) {
    if (candidates_[i].isNew && alive_[i] != 0 && nearest_[i].index != kNone)
      queue_.push({cost(i), i});
  }

  // The cheapest living new candidate, or kNone.
  std::size_t cheapest() {
    while (!queue_.empty()) {
      const auto [entryCost, i] = queue_.top();
      queue_.pop();
      if (alive_[i] != 0 && nearest_[i].index != kNone && cost(i) == entryCost) return i;
    }
    return kNone;
  }

 private:
  std::uint64_t cost(std::size_t i) const {
    return std::uint64_t{candidates_[i].cells} * static_cast<std::uint64_t>(nearest_[i].distance);
  }

  using Entry = std::pair<std::uint64_t, std::size_t>;
  const std::vector<MergeCandidate>& candidates_;
  const AliveFlags& alive_;
  const std::vector<Nearest>& nearest_;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue_;
};

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
  MergeQueue queue(candidates, alive, nearest);
  for (std::size_t i = 0; i < count; ++i) queue.offer(i);
  merges = 0;
  while (newTiles > room) {
    const std::size_t from = queue.cheapest();
    if (from == kNone) break;
    const std::size_t to = nearest[from].index;
    candidates[to].cells += candidates[from].cells;
    alive[from] = 0;
    queue.offer(to);
    into[from] = to;
    --newTiles;
    ++merges;
    for (std::size_t i = 0; i < count; ++i) {
      if (alive[i] && candidates[i].isNew && nearest[i].index == from) {
        nearest[i] = findNextNearest(candidates, alive, i, nearest[i]);
        queue.offer(i);
      }
    }
  }
  for (std::size_t i = 0; i < count; ++i) into[i] = finalCandidate(into, i);
  return into;
}

}  // namespace pelmora
