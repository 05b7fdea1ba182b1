#include "picture/palette_order.h"

#include <algorithm>
#include <utility>

namespace pelmora {
namespace {

constexpr int kPalettes = 4;
constexpr int kSweeps = 4;

// The six orders of entries 1-3.
std::vector<EntryOrder> allOrders() {
  std::vector<EntryOrder> orders;
  EntryOrder order = {0, 1, 2, 3};
  do {
    orders.push_back(order);
  } while (std::next_permutation(order.begin() + 1, order.end()));
  return orders;
}

// (new tiles, all tiles) the distinct cells need under `orders`; fewer is better.
std::pair<std::size_t, std::size_t> tileCost(
    const std::vector<PaletteCell>& cells, const std::array<EntryOrder, 4>& orders,
    const std::unordered_set<PackedTile, PackedTileHash>& existing) {
  std::unordered_set<PackedTile, PackedTileHash> tiles;
  tiles.reserve(cells.size() * 2);
  std::size_t fresh = 0;
  for (const PaletteCell& cell : cells) {
    const PackedTile tile = reorderedTile(cell.drawing, orders[cell.palette]);
    if (tiles.insert(tile).second && !existing.contains(tile)) ++fresh;
  }
  return {fresh, tiles.size()};
}

// `first`, then `then`: entry v goes to then[first[v]].
EntryOrder followedBy(const EntryOrder& first, const EntryOrder& then) {
  EntryOrder result{};
  for (std::size_t v = 0; v < result.size(); ++v) result[v] = then[first[v]];
  return result;
}

std::vector<PaletteCell> distinctCells(std::vector<PaletteCell> cells) {
  const auto key = [](const PaletteCell& c) {
    return std::tuple(c.palette, c.drawing.low, c.drawing.high);
  };
  std::sort(cells.begin(), cells.end(),
            [&](const auto& a, const auto& b) { return key(a) < key(b); });
  cells.erase(std::unique(cells.begin(), cells.end(),
                          [&](const auto& a, const auto& b) { return key(a) == key(b); }),
              cells.end());
  return cells;
}

}  // namespace

std::array<EntryOrder, 4> chooseEntryOrders(
    const std::vector<PaletteCell>& cells,
    const std::unordered_set<PackedTile, PackedTileHash>& existing) {
  const std::vector<PaletteCell> distinct = distinctCells(cells);
  const std::vector<EntryOrder> orders = allOrders();
  std::array<EntryOrder, 4> chosen;
  chosen.fill(orders.front());
  auto best = tileCost(distinct, chosen, existing);
  for (int sweep = 0; sweep < kSweeps; ++sweep) {
    bool changed = false;
    // Reordering several palettes alike joins groups of palettes that already share tiles.
    for (unsigned group = 1; group < (1u << kPalettes); ++group) {
      for (const EntryOrder& order : orders) {
        std::array<EntryOrder, 4> trial = chosen;
        for (int k = 0; k < kPalettes; ++k) {
          if (group >> k & 1u) trial[k] = followedBy(chosen[k], order);
        }
        if (const auto cost = tileCost(distinct, trial, existing); cost < best) {
          best = cost;
          chosen = trial;
          changed = true;
        }
      }
    }
    if (!changed) break;
  }
  return chosen;
}

}  // namespace pelmora
