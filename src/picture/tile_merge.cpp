#include "picture/tile_merge.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "picture/tile_distances.h"

namespace pelmora {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Whether each candidate is still there to merge into: one byte each, read in the inner loops.
using AliveFlags = std::vector<std::uint8_t>;

TilePlanes planesOf(const std::vector<MergeCandidate>& candidates) {
  TilePlanes planes;
  planes.low.reserve(candidates.size());
  planes.high.reserve(candidates.size());
  for (const MergeCandidate& candidate : candidates) {
    planes.low.push_back(candidate.drawing.low);
    planes.high.push_back(candidate.drawing.high);
  }
  return planes;
}

struct Nearest {
  std::size_t index = kNone;
  int distance = std::numeric_limits<int>::max();
};

// The first living candidate other than `self` at the least distance among those from `begin`
// to `end`, a block at a time; the scan stops at a block whose least distance is `enough` (one
// known to be the least there is).
Nearest scanNearest(const TilePlanes& drawings, const AliveFlags& alive, std::size_t self,
                    std::size_t begin, std::size_t end, int enough) {
  const PackedTile tile = drawings[self];
  Nearest nearest;
  for (std::size_t at = begin; at < end; at += kDistanceBlock) {
    const std::size_t count = std::min(kDistanceBlock, end - at);
    const std::size_t skip = self >= at && self < at + count ? self - at : kNone;
    const LeastDistance least = leastDistance(drawings, alive.data(), tile, at, count, skip);
    if (least.distance >= 0 && least.distance < nearest.distance) {
      nearest = {at + least.offset, least.distance};
      if (least.distance == enough) return nearest;
    }
  }
  return nearest;
}

Nearest findNearest(const TilePlanes& drawings, const AliveFlags& alive, std::size_t self) {
  return scanNearest(drawings, alive, self, 0, drawings.size(), -1);
}

// The nearest living candidate of `self` once its nearest, `gone`, has been merged away. None
// is nearer than `gone` was, and none before `gone` was as near (the first of equals is taken),
// so the first one after `gone` at that distance is the answer when there is one; otherwise the
// rest of the list is searched too.
Nearest findNextNearest(const TilePlanes& drawings, const AliveFlags& alive, std::size_t self,
                        const Nearest& gone) {
  const Nearest after =
      scanNearest(drawings, alive, self, gone.index + 1, drawings.size(), gone.distance);
  if (after.distance == gone.distance) return after;
  const Nearest before = scanNearest(drawings, alive, self, 0, gone.index, -1);
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

// For each candidate, the new candidates whose nearest it is, as linked lists in two arrays:
// when a candidate is merged away, only the candidates on its list need a new nearest. A
// candidate is on one list at a time, the list of its current nearest, which changes only when
// that nearest is merged away.
class PointingLists {
 public:
  explicit PointingLists(std::size_t count) : first_(count, kNone), next_(count, kNone) {}

  void add(std::size_t pointer, std::size_t target) {
    if (target == kNone) return;
    next_[pointer] = first_[target];
    first_[target] = pointer;
  }

  // Empties the list of `target`, returning its first entry; next() walks on.
  std::size_t take(std::size_t target) { return std::exchange(first_[target], kNone); }
  std::size_t next(std::size_t pointer) const { return next_[pointer]; }

 private:
  std::vector<std::size_t> first_;
  std::vector<std::size_t> next_;
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
  const TilePlanes drawings = planesOf(candidates);
  PointingLists pointing(count);
  std::size_t newTiles = 0;
  for (std::size_t i = 0; i < count; ++i) {
    into[i] = i;
    if (!candidates[i].isNew) continue;
    ++newTiles;
    nearest[i] = findNearest(drawings, alive, i);
    pointing.add(i, nearest[i].index);
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
    // Each new nearest depends only on which candidates are alive, so the order in which the
    // candidates that pointed at `from` are given theirs does not matter.
    for (std::size_t i = pointing.take(from), next = kNone; i != kNone; i = next) {
      next = pointing.next(i);
      if (alive[i] == 0) continue;
      nearest[i] = findNextNearest(drawings, alive, i, nearest[i]);
      pointing.add(i, nearest[i].index);
      queue.offer(i);
    }
  }
  for (std::size_t i = 0; i < count; ++i) into[i] = finalCandidate(into, i);
  return into;
}

}  // namespace pelmora
