#include "picture/tile_allocation.h"

#include <algorithm>
#include <unordered_map>

#include "picture/tile_merge.h"

namespace pelmora {
namespace {

// The sheet's tile for each drawing it holds: one no remaining cell uses before a free one,
// then the lowest.
std::unordered_map<PackedTile, std::uint8_t, PackedTileHash> existingTiles(
    const std::vector<PackedTile>& sheetTiles, const std::array<bool, kSheetTiles>& free) {
  std::unordered_map<PackedTile, std::uint8_t, PackedTileHash> found;
  for (const bool takeFree : {false, true}) {
    for (std::size_t t = 0; t < kSheetTiles; ++t) {
      if (free[t] == takeFree) found.emplace(sheetTiles[t], static_cast<std::uint8_t>(t));
    }
  }
  return found;
}

struct Candidates {
  std::vector<MergeCandidate> list;
  std::vector<int> tileNumber;  // the sheet's tile, or -1 for a new one
  std::vector<std::size_t> cellCandidate;
};

Candidates gatherCandidates(const std::vector<PackedTile>& drawings,
                            const std::vector<PackedTile>& sheetTiles,
                            const std::array<bool, kSheetTiles>& free) {
  const auto existing = existingTiles(sheetTiles, free);
  Candidates candidates;
  std::unordered_map<PackedTile, std::size_t, PackedTileHash> index;
  for (const PackedTile& drawing : drawings) {
    auto [at, added] = index.emplace(drawing, candidates.list.size());
    if (added) {
      const auto match = existing.find(drawing);
      candidates.list.push_back({drawing, 0, match == existing.end()});
      candidates.tileNumber.push_back(match == existing.end() ? -1 : match->second);
    }
    ++candidates.list[at->second].cells;
    candidates.cellCandidate.push_back(at->second);
  }
  // Tiles that stay on the sheet are what new tiles may merge into.
  for (std::size_t t = 0; t < kSheetTiles; ++t) {
    if (free[t] || index.contains(sheetTiles[t])) continue;
    index.emplace(sheetTiles[t], candidates.list.size());
    candidates.list.push_back({sheetTiles[t], 0, false});
    candidates.tileNumber.push_back(static_cast<int>(t));
  }
  return candidates;
}

std::vector<std::uint8_t> freeSlots(const std::array<bool, kSheetTiles>& free,
                                    const Candidates& candidates) {
  std::array<bool, kSheetTiles> open = free;
  for (const int tile : candidates.tileNumber) {
    if (tile >= 0) open[static_cast<std::size_t>(tile)] = false;
  }
  std::vector<std::uint8_t> slots;
  for (std::size_t t = 0; t < kSheetTiles; ++t) {
    if (open[t]) slots.push_back(static_cast<std::uint8_t>(t));
  }
  return slots;
}

std::size_t countNew(const Candidates& candidates) {
  return static_cast<std::size_t>(std::count_if(candidates.list.begin(), candidates.list.end(),
                                                [](const MergeCandidate& c) { return c.isNew; }));
}

// New tiles into their free slots; the sheet with them written in.
TileSheet writeNewTiles(Candidates& candidates, const std::vector<std::size_t>& into,
                        const std::vector<std::uint8_t>& slots, const TileSheet& sheet,
                        int& written) {
  TileSheet result = sheet;
  std::size_t nextSlot = 0;
  std::array<std::uint8_t, kTilePixels> pixels{};
  for (std::size_t c = 0; c < candidates.list.size(); ++c) {
    if (into[c] != c || candidates.tileNumber[c] >= 0 || candidates.list[c].cells == 0) continue;
    const std::uint8_t slot = slots[nextSlot++];
    candidates.tileNumber[c] = slot;
    unpackTile(candidates.list[c].drawing, pixels.data());
    std::copy(pixels.begin(), pixels.end(), result.begin() + std::size_t{slot} * kTilePixels);
  }
  written = static_cast<int>(nextSlot);
  return result;
}

}  // namespace

std::vector<PackedTile> packSheet(const TileSheet& sheet) {
  std::vector<PackedTile> tiles(kSheetTiles);
  std::array<std::uint8_t, kTilePixels> pixels{};
  for (std::size_t t = 0; t < kSheetTiles; ++t) {
    for (std::size_t i = 0; i < kTilePixels; ++i) {
      pixels[i] = t * kTilePixels + i < sheet.size() ? sheet[t * kTilePixels + i] & 3u : 0;
    }
    tiles[t] = packTile(pixels.data());
  }
  return tiles;
}

TileAllocation allocateTiles(const std::vector<PackedTile>& drawings, const TileSheet& sheet,
                             const std::array<bool, kSheetTiles>& free, bool reduce) {
  TileAllocation allocation;
  Candidates candidates = gatherCandidates(drawings, packSheet(sheet), free);
  const std::vector<std::uint8_t> slots = freeSlots(free, candidates);
  const std::size_t needed = countNew(candidates);
  if (needed > slots.size() && !reduce) {
    allocation.tilesMissing = static_cast<int>(needed - slots.size());
    return allocation;
  }
  std::size_t merges = 0;
  const std::vector<std::size_t> into = mergeNearestTiles(candidates.list, slots.size(), merges);
  allocation.tilesMerged = static_cast<int>(merges);
  allocation.sheet = writeNewTiles(candidates, into, slots, sheet, allocation.tilesNew);
  std::array<bool, kSheetTiles> used{};
  for (const std::size_t candidate : candidates.cellCandidate) {
    const std::size_t final = into[candidate];
    allocation.cellTiles.push_back(static_cast<std::uint8_t>(candidates.tileNumber[final]));
    allocation.cellDrawings.push_back(candidates.list[final].drawing);
    used[allocation.cellTiles.back()] = true;
  }
  allocation.tilesUsed = static_cast<int>(std::count(used.begin(), used.end(), true));
  allocation.tilesReused = allocation.tilesUsed - allocation.tilesNew;
  return allocation;
}

}  // namespace pelmora
