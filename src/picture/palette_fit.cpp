#include "picture/palette_fit.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>

namespace pelmora {
namespace {

using ColourSet = std::uint64_t;  // bit c for NES colour c
constexpr int kPalettes = 4;
constexpr int kFreeEntries = 3;
constexpr std::size_t kMostDistinctSets =
    kPalettes * kFreeEntries;  // an antichain per palette holds 3
constexpr int kRefinements = 12;
constexpr int kSearchSteps = 100000;
constexpr int kBackdropTries = 3;

ColourSet coloursOf(const AreaColours& area) {
  ColourSet set = 0;
  for (std::size_t c = 0; c < kPictureColours; ++c) {
    if (area.counts[c] != 0) set |= ColourSet{1} << c;
  }
  return set;
}

std::array<std::uint64_t, kPictureColours> pixelTotals(const std::vector<AreaColours>& areas) {
  std::array<std::uint64_t, kPictureColours> totals{};
  for (const AreaColours& area : areas) {
    for (std::size_t c = 0; c < kPictureColours; ++c) totals[c] += area.counts[c];
  }
  return totals;
}

// Colours present in the picture, most pixels first.
std::vector<std::uint8_t> coloursByFrequency(const std::vector<AreaColours>& areas) {
  const auto totals = pixelTotals(areas);
  std::vector<std::uint8_t> colours;
  for (std::size_t c = 0; c < kPictureColours; ++c) {
    if (totals[c] != 0) colours.push_back(static_cast<std::uint8_t>(c));
  }
  std::stable_sort(colours.begin(), colours.end(),
                   [&](std::uint8_t a, std::uint8_t b) { return totals[a] > totals[b]; });
  return colours;
}

BackgroundPalettes palettesFromSets(std::uint8_t backdrop,
                                    const std::array<ColourSet, kPalettes>& sets) {
  BackgroundPalettes palettes{};
  for (int k = 0; k < kPalettes; ++k) {
    palettes[k].fill(backdrop);
    int entry = 1;
    for (std::size_t c = 0; c < kPictureColours; ++c) {
      if (sets[k] >> c & 1u) palettes[k][entry++] = static_cast<std::uint8_t>(c);
    }
  }
  return palettes;
}

// --- The exact search ---------------------------------------------------------------------

// Places each set into one of the four palettes so no palette needs more than three colours.
// `budget` bounds the steps tried, so a picture that nearly fits cannot make the search run on;
// running out counts as no exact fit.
bool placeSets(const std::vector<ColourSet>& sets, std::size_t next,
               std::array<ColourSet, kPalettes>& palettes,
               const std::array<bool, kPalettes>& pinned, int& budget) {
  if (next == sets.size()) return true;
  if (--budget < 0) return false;
  bool triedEmpty = false;
  for (int k = 0; k < kPalettes; ++k) {
    const bool empty = palettes[k] == 0 && !pinned[k];
    if (empty && triedEmpty) continue;  // empty free palettes are interchangeable
    triedEmpty = triedEmpty || empty;
    const ColourSet joined = palettes[k] | sets[next];
    if (std::popcount(joined) > kFreeEntries) continue;
    const ColourSet before = palettes[k];
    palettes[k] = joined;
    if (placeSets(sets, next + 1, palettes, pinned, budget)) return true;
    palettes[k] = before;
  }
  return false;
}

// The sets no other set (or pinned palette) contains, largest first.
std::vector<ColourSet> outermostSets(std::vector<ColourSet> sets,
                                     const std::array<ColourSet, kPalettes>& pinnedSets) {
  std::sort(sets.begin(), sets.end());
  sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
  const auto within = [](ColourSet inner, ColourSet outer) {
    return inner != outer && (inner & ~outer) == 0;
  };
  std::vector<ColourSet> outermost;
  for (const ColourSet set : sets) {
    if (set == 0) continue;
    const bool covered = std::any_of(sets.begin(), sets.end(),
                                     [&](ColourSet other) { return within(set, other); }) ||
                         std::any_of(pinnedSets.begin(), pinnedSets.end(),
                                     [&](ColourSet pin) { return (set & ~pin) == 0; });
    if (!covered) outermost.push_back(set);
  }
  std::stable_sort(outermost.begin(), outermost.end(),
                   [](ColourSet a, ColourSet b) { return std::popcount(a) > std::popcount(b); });
  return outermost;
}

std::optional<BackgroundPalettes> exactFitWithBackdrop(const std::vector<AreaColours>& areas,
                                                       std::uint8_t backdrop) {
  const ColourSet withoutBackdrop = ~(ColourSet{1} << backdrop);
  std::array<ColourSet, kPalettes> palettes{};
  std::array<bool, kPalettes> pinned{};
  std::vector<ColourSet> sets;
  for (const AreaColours& area : areas) {
    const ColourSet set = coloursOf(area) & withoutBackdrop;
    if (std::popcount(set) > kFreeEntries) return std::nullopt;
    if (area.pinnedPalette >= 0) {
      palettes[area.pinnedPalette] |= set;
      pinned[area.pinnedPalette] = true;
    } else {
      sets.push_back(set);
    }
  }
  for (const ColourSet pin : palettes) {
    if (std::popcount(pin) > kFreeEntries) return std::nullopt;
  }
  const std::vector<ColourSet> outermost = outermostSets(std::move(sets), palettes);
  if (outermost.size() > kMostDistinctSets) return std::nullopt;
  ColourSet all = 0;
  for (const ColourSet set : outermost) all |= set;
  for (const ColourSet pin : palettes) all |= pin;
  if (std::popcount(all) > kPalettes * kFreeEntries) return std::nullopt;
  int budget = kSearchSteps;
  if (!placeSets(outermost, 0, palettes, pinned, budget)) return std::nullopt;
  return palettesFromSets(backdrop, palettes);
}

std::optional<BackgroundPalettes> exactFit(const std::vector<AreaColours>& areas,
                                           const std::vector<std::uint8_t>& colours) {
  for (const std::uint8_t backdrop : colours) {
    if (auto palettes = exactFitWithBackdrop(areas, backdrop)) return palettes;
  }
  return std::nullopt;
}

// --- Refinement for pictures that do not fit exactly -------------------------------------

using Histogram = std::array<std::uint64_t, kPictureColours>;

// Each pixel counted in `counts` drawn in the nearest entry of `palette`.
template <class Counts>
std::int64_t countsError(const Counts& counts, const std::array<std::uint8_t, 4>& palette,
                         const ColourMatch& match) {
  std::int64_t error = 0;
  for (std::size_t c = 0; c < kPictureColours; ++c) {
    if (counts[c] == 0) continue;
    std::int32_t nearest = std::numeric_limits<std::int32_t>::max();
    for (const std::uint8_t entry : palette) {
      nearest = std::min(nearest, match.distance(static_cast<std::uint8_t>(c), entry));
    }
    error += static_cast<std::int64_t>(counts[c]) * nearest;
  }
  return error;
}

std::int64_t histogramError(const Histogram& counts, const std::array<std::uint8_t, 4>& palette,
                            const ColourMatch& match) {
  return countsError(counts, palette, match);
}

// Three colours for the pixels of `counts`: chosen one by one, then each swapped for a better
// one while that lowers the error.
std::array<std::uint8_t, 4> refitPalette(const Histogram& counts, std::uint8_t backdrop,
                                         const ColourMatch& match) {
  std::array<std::uint8_t, 4> palette;
  palette.fill(backdrop);
  const auto improve = [&](std::size_t entry) {
    std::int64_t best = histogramError(counts, palette, match);
    std::uint8_t chosen = palette[entry];
    for (std::size_t c = 0; c < kPictureColours; ++c) {
      if (counts[c] == 0) continue;
      palette[entry] = static_cast<std::uint8_t>(c);
      if (const std::int64_t error = histogramError(counts, palette, match); error < best) {
        best = error;
        chosen = static_cast<std::uint8_t>(c);
      }
    }
    palette[entry] = chosen;
  };
  for (std::size_t entry = 1; entry < 4; ++entry) improve(entry);
  for (std::size_t entry = 1; entry < 4; ++entry) improve(entry);
  return palette;
}

Histogram histogramOf(const AreaColours& area) {
  Histogram counts{};
  std::copy(area.counts.begin(), area.counts.end(), counts.begin());
  return counts;
}

std::vector<int> assignAreas(const std::vector<AreaColours>& areas,
                             const BackgroundPalettes& palettes, const ColourMatch& match) {
  std::vector<int> assignment(areas.size());
  for (std::size_t a = 0; a < areas.size(); ++a)
    assignment[a] = bestPalette(areas[a], palettes, match);
  return assignment;
}

std::int64_t totalError(const std::vector<AreaColours>& areas, const std::vector<int>& assignment,
                        const BackgroundPalettes& palettes, const ColourMatch& match) {
  std::int64_t error = 0;
  for (std::size_t a = 0; a < areas.size(); ++a) {
    error += areaError(areas[a], palettes[assignment[a]], match);
  }
  return error;
}

// Seeds: each pinned palette from its own areas, each other palette from the area the
// palettes so far draw worst.
BackgroundPalettes seedPalettes(const std::vector<AreaColours>& areas, std::uint8_t backdrop,
                                const ColourMatch& match) {
  BackgroundPalettes palettes{};
  std::array<bool, kPalettes> seeded{};
  std::array<Histogram, kPalettes> pinnedCounts{};
  for (const AreaColours& area : areas) {
    if (area.pinnedPalette < 0) continue;
    for (std::size_t c = 0; c < kPictureColours; ++c)
      pinnedCounts[area.pinnedPalette][c] += area.counts[c];
    seeded[area.pinnedPalette] = true;
  }
  for (int k = 0; k < kPalettes; ++k) {
    palettes[k] = refitPalette(pinnedCounts[k], backdrop, match);
  }
  for (int k = 0; k < kPalettes; ++k) {
    if (seeded[k]) continue;
    std::int64_t worst = -1;
    std::size_t worstArea = 0;
    for (std::size_t a = 0; a < areas.size(); ++a) {
      std::int64_t error = std::numeric_limits<std::int64_t>::max();
      for (int j = 0; j < kPalettes; ++j) {
        if (seeded[j]) error = std::min(error, areaError(areas[a], palettes[j], match));
      }
      if (error == std::numeric_limits<std::int64_t>::max())
        error = areaError(areas[a], palettes[k], match);
      if (error > worst) {
        worst = error;
        worstArea = a;
      }
    }
    palettes[k] =
        areas.empty() ? palettes[k] : refitPalette(histogramOf(areas[worstArea]), backdrop, match);
    seeded[k] = true;
  }
  return palettes;
}

BackgroundPalettes refinedFit(const std::vector<AreaColours>& areas, std::uint8_t backdrop,
                              const ColourMatch& match) {
  BackgroundPalettes palettes = seedPalettes(areas, backdrop, match);
  std::vector<int> assignment = assignAreas(areas, palettes, match);
  for (int round = 0; round < kRefinements; ++round) {
    std::array<Histogram, kPalettes> counts{};
    for (std::size_t a = 0; a < areas.size(); ++a) {
      for (std::size_t c = 0; c < kPictureColours; ++c)
        counts[assignment[a]][c] += areas[a].counts[c];
    }
    for (int k = 0; k < kPalettes; ++k) palettes[k] = refitPalette(counts[k], backdrop, match);
    std::vector<int> next = assignAreas(areas, palettes, match);
    if (next == assignment) break;
    assignment = std::move(next);
  }
  return palettes;
}

}  // namespace

std::int64_t areaError(const AreaColours& area, const std::array<std::uint8_t, 4>& palette,
                       const ColourMatch& match) {
  return countsError(area.counts, palette, match);
}

int bestPalette(const AreaColours& area, const BackgroundPalettes& palettes,
                const ColourMatch& match) {
  if (area.pinnedPalette >= 0) return area.pinnedPalette & 3;
  int best = 0;
  std::int64_t bestError = std::numeric_limits<std::int64_t>::max();
  for (int k = 0; k < kPalettes; ++k) {
    if (const std::int64_t error = areaError(area, palettes[k], match); error < bestError) {
      bestError = error;
      best = k;
    }
  }
  return best;
}

BackgroundPalettes fitPalettes(const std::vector<AreaColours>& areas, const ColourMatch& match) {
  const std::vector<std::uint8_t> colours = coloursByFrequency(areas);
  if (colours.empty()) return BackgroundPalettes{};
  if (auto exact = exactFit(areas, colours)) return *exact;
  BackgroundPalettes best{};
  std::int64_t bestError = std::numeric_limits<std::int64_t>::max();
  const std::size_t tries = std::min<std::size_t>(colours.size(), kBackdropTries);
  for (std::size_t t = 0; t < tries; ++t) {
    const BackgroundPalettes palettes = refinedFit(areas, colours[t], match);
    const std::int64_t error =
        totalError(areas, assignAreas(areas, palettes, match), palettes, match);
    if (error < bestError) {
      bestError = error;
      best = palettes;
    }
  }
  return best;
}

}  // namespace pelmora
