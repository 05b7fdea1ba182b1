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

// Which of the six orders `order` is.
std::size_t orderNumber(const std::vector<EntryOrder>& orders, const EntryOrder& order) {
  return static_cast<std::size_t>(std::find(orders.begin(), orders.end(), order) - orders.begin());
}

// The distinct cells as numbers: every tile a cell can become under one of the six orders of
// its palette is numbered once (the same tile from two cells gets one number), with whether the
// image already has it. The search then tries hundreds of orders by counting numbers.
//
// Reordering only moves a tile within its family (the tiles the six orders make of it), so two
// cells can share a tile only when their families are the same. Families are told apart by
// their least member; within a family of at most six tiles, a tile's number is its rank.
struct NumberedTiles {
  struct Cell {
    std::uint8_t palette = 0;
    std::array<std::uint32_t, 6> tiles{};  // by order
  };
  std::vector<Cell> cells;
  std::vector<std::uint8_t> existing;  // by tile number
};

bool before(const PackedTile& a, const PackedTile& b) {
  return a.low != b.low ? a.low < b.low : a.high < b.high;
}

using Family = std::array<PackedTile, 6>;  // a cell's tile under each order

Family familyOf(const PaletteCell& cell, const std::vector<EntryOrder>& orders) {
  Family family;
  for (std::size_t o = 0; o < family.size(); ++o) family[o] = reorderedTile(cell.drawing, orders[o]);
  return family;
}

NumberedTiles numberTiles(const std::vector<PaletteCell>& distinct,
                          const std::vector<EntryOrder>& orders,
                          const std::unordered_set<PackedTile, PackedTileHash>& existing) {
  constexpr std::uint8_t kUnknown = 2;
  // Each cell by its family's least member, so the cells of one family come together.
  std::vector<std::pair<PackedTile, std::uint32_t>> byFamily(distinct.size());
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    const Family family = familyOf(distinct[i], orders);
    byFamily[i] = {*std::min_element(family.begin(), family.end(), before),
                   static_cast<std::uint32_t>(i)};
  }
  std::sort(byFamily.begin(), byFamily.end(), [](const auto& a, const auto& b) {
    return before(a.first, b.first) || (a.first == b.first && a.second < b.second);
  });
  NumberedTiles numbered;
  numbered.cells.resize(distinct.size());
  std::uint32_t family = 0;
  for (std::size_t s = 0; s < byFamily.size(); ++s) {
    if (s > 0 && byFamily[s].first != byFamily[s - 1].first) ++family;
    const std::size_t i = byFamily[s].second;
    const Family tiles = familyOf(distinct[i], orders);
    Family ranked = tiles;
    std::sort(ranked.begin(), ranked.end(), before);
    const auto last = std::unique(ranked.begin(), ranked.end());
    numbered.existing.resize(std::size_t{family + 1} * tiles.size(), kUnknown);
    numbered.cells[i].palette = static_cast<std::uint8_t>(distinct[i].palette & 3);
    for (std::size_t o = 0; o < tiles.size(); ++o) {
      const auto rank = std::lower_bound(ranked.begin(), last, tiles[o], before) - ranked.begin();
      const std::uint32_t number = family * 6 + static_cast<std::uint32_t>(rank);
      numbered.cells[i].tiles[o] = number;
      if (numbered.existing[number] == kUnknown)
        numbered.existing[number] = existing.contains(tiles[o]) ? 1 : 0;
    }
  }
  return numbered;
}

// (new tiles, all tiles) the distinct cells need under the orders numbered `chosen`; fewer is
// better. `stamps` (one per tile number) marks the tiles already counted with `stamp`, a value
// no earlier count used.
std::pair<std::size_t, std::size_t> tileCost(const NumberedTiles& tiles,
                                             const std::array<std::size_t, 4>& chosen,
                                             std::vector<std::uint32_t>& stamps,
                                             std::uint32_t stamp) {
  std::size_t fresh = 0;
  std::size_t all = 0;
  for (const NumberedTiles::Cell& cell : tiles.cells) {
    const std::uint32_t tile = cell.tiles[chosen[cell.palette]];
    if (stamps[tile] == stamp) continue;
    stamps[tile] = stamp;
    ++all;
    fresh += tiles.existing[tile] == 0 ? 1 : 0;
  }
  return {fresh, all};
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
  const NumberedTiles tiles = numberTiles(distinct, orders, existing);
  std::vector<std::uint32_t> stamps(tiles.existing.size());
  std::uint32_t stamp = 0;
  const auto numbered = [&](const std::array<EntryOrder, 4>& palettes) {
    std::array<std::size_t, 4> numbers;
    for (int k = 0; k < kPalettes; ++k) numbers[k] = orderNumber(orders, palettes[k]);
    return numbers;
  };
  auto best = tileCost(tiles, numbered(chosen), stamps, ++stamp);
  for (int sweep = 0; sweep < kSweeps; ++sweep) {
    bool changed = false;
    // Reordering several palettes alike joins groups of palettes that already share tiles.
    for (unsigned group = 1; group < (1u << kPalettes); ++group) {
      for (const EntryOrder& order : orders) {
        std::array<EntryOrder, 4> trial = chosen;
        for (int k = 0; k < kPalettes; ++k) {
          if (group >> k & 1u) trial[k] = followedBy(chosen[k], order);
        }
        if (const auto cost = tileCost(tiles, numbered(trial), stamps, ++stamp); cost < best) {
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
