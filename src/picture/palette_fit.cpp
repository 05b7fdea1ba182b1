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

// Pixel counts by colour, of an area or of all areas drawn in one palette (at most 256 x 240
// pixels, well within 32 bits).
using Histogram = std::array<std::uint32_t, kPictureColours>;
// For each picture colour, the distance to the nearest entry of a palette.
using Nearness = std::array<std::int32_t, kPictureColours>;

// The error sums below are the import's inner loops: they run over all 64 colours without
// gaps, so the compiler widens them, and they are built once more for machines with AVX2 and
// with AVX-512, the loader picking the widest this machine runs.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__ELF__)
#define PELMORA_WIDE_VERSIONS __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define PELMORA_WIDE_VERSIONS
#endif

// Each pixel counted in `counts` drawn at the distance `nearness` gives its colour.
PELMORA_WIDE_VERSIONS
std::int64_t countsError(const Histogram& counts, const Nearness& nearness) {
  std::uint64_t error = 0;
  for (std::size_t c = 0; c < kPictureColours; ++c)
    error += std::uint64_t{counts[c]} * static_cast<std::uint32_t>(nearness[c]);
  return static_cast<std::int64_t>(error);
}

// The same with the colour whose distances are `row` added to the palette.
PELMORA_WIDE_VERSIONS
std::int64_t countsErrorWith(const Histogram& counts, const Nearness& nearness,
                             const std::int32_t* row) {
  std::uint64_t error = 0;
  for (std::size_t c = 0; c < kPictureColours; ++c) {
    error += std::uint64_t{counts[c]} * static_cast<std::uint32_t>(std::min(nearness[c], row[c]));
  }
  return static_cast<std::int64_t>(error);
}

// The nearness of the palette made of the given entries of `palette` (a mask, bit e for entry e).
Nearness nearnessTo(const std::array<std::uint8_t, 4>& palette, unsigned entries,
                    const ColourMatch& match) {
  Nearness nearness;
  nearness.fill(std::numeric_limits<std::int32_t>::max());
  for (std::size_t e = 0; e < palette.size(); ++e) {
    if ((entries >> e & 1u) == 0) continue;
    const std::int32_t* row = match.distancesFrom(palette[e]);
    for (std::size_t c = 0; c < kPictureColours; ++c) nearness[c] = std::min(nearness[c], row[c]);
  }
  return nearness;
}

Nearness nearnessTo(const std::array<std::uint8_t, 4>& palette, const ColourMatch& match) {
  return nearnessTo(palette, 0xFu, match);
}

std::array<Nearness, kPalettes> nearnessTo(const BackgroundPalettes& palettes,
                                           const ColourMatch& match) {
  std::array<Nearness, kPalettes> nearness;
  for (int k = 0; k < kPalettes; ++k) nearness[k] = nearnessTo(palettes[k], match);
  return nearness;
}

// The palette that draws an area with the least error (the first of equals), or its pinned one.
int bestOf(const AreaColours& area, const std::array<Nearness, kPalettes>& nearness) {
  if (area.pinnedPalette >= 0) return area.pinnedPalette & 3;
  int best = 0;
  std::int64_t bestError = std::numeric_limits<std::int64_t>::max();
  for (int k = 0; k < kPalettes; ++k) {
    if (const std::int64_t error = countsError(area.counts, nearness[k]); error < bestError) {
      bestError = error;
      best = k;
    }
  }
  return best;
}

// Three colours for the pixels of `counts`: chosen one by one, then each swapped for a better
// one while that lowers the error. Trying a colour for one entry only needs the distances to
// the other three entries, which are worked out once per entry.
std::array<std::uint8_t, 4> refitPalette(const Histogram& counts, std::uint8_t backdrop,
                                         const ColourMatch& match) {
  std::array<std::uint8_t, 4> palette;
  palette.fill(backdrop);
  const auto improve = [&](std::size_t entry) {
    const Nearness others = nearnessTo(palette, 0xFu & ~(1u << entry), match);
    std::int64_t best = countsErrorWith(counts, others, match.distancesFrom(palette[entry]));
    std::uint8_t chosen = palette[entry];
    for (std::size_t c = 0; c < kPictureColours; ++c) {
      if (counts[c] == 0) continue;
      const auto colour = static_cast<std::uint8_t>(c);
      if (const std::int64_t error = countsErrorWith(counts, others, match.distancesFrom(colour));
          error < best) {
        best = error;
        chosen = colour;
      }
    }
    palette[entry] = chosen;
  };
  for (std::size_t entry = 1; entry < 4; ++entry) improve(entry);
  for (std::size_t entry = 1; entry < 4; ++entry) improve(entry);
  return palette;
}

std::vector<int> assignAreas(const std::vector<AreaColours>& areas,
                             const BackgroundPalettes& palettes, const ColourMatch& match) {
  const std::array<Nearness, kPalettes> nearness = nearnessTo(palettes, match);
  std::vector<int> assignment(areas.size());
  for (std::size_t a = 0; a < areas.size(); ++a) assignment[a] = bestOf(areas[a], nearness);
  return assignment;
}

std::int64_t totalError(const std::vector<AreaColours>& areas, const std::vector<int>& assignment,
                        const BackgroundPalettes& palettes, const ColourMatch& match) {
  const std::array<Nearness, kPalettes> nearness = nearnessTo(palettes, match);
  std::int64_t error = 0;
  for (std::size_t a = 0; a < areas.size(); ++a) {
    error += countsError(areas[a].counts, nearness[assignment[a]]);
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
    const std::array<Nearness, kPalettes> nearness = nearnessTo(palettes, match);
    std::int64_t worst = -1;
    std::size_t worstArea = 0;
    for (std::size_t a = 0; a < areas.size(); ++a) {
      std::int64_t error = std::numeric_limits<std::int64_t>::max();
      for (int j = 0; j < kPalettes; ++j) {
        if (seeded[j]) error = std::min(error, countsError(areas[a].counts, nearness[j]));
      }
      if (error == std::numeric_limits<std::int64_t>::max())
        error = countsError(areas[a].counts, nearness[k]);
      if (error > worst) {
        worst = error;
        worstArea = a;
      }
    }
    palettes[k] =
        areas.empty() ? palettes[k] : refitPalette(areas[worstArea].counts, backdrop, match);
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
  return countsError(area.counts, nearnessTo(palette, match));
}

int bestPalette(const AreaColours& area, const BackgroundPalettes& palettes,
                const ColourMatch& match) {
  if (area.pinnedPalette >= 0) return area.pinnedPalette & 3;
  return bestOf(area, nearnessTo(palettes, match));
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
