#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "picture/colour_match.h"

namespace pelmora {

constexpr std::size_t kPictureColours = 64;  // NES colour indices 0-63

// The colours of one 16 x 16 area of a picture: how many pixels have each NES colour, and the
// palette number the area must take (-1 when the import may choose).
struct AreaColours {
  std::array<std::uint32_t, kPictureColours> counts{};
  int pinnedPalette = -1;
};

// Four background palettes, four palette bytes each; entry 0 of every palette is the backdrop.
using BackgroundPalettes = std::array<std::array<std::uint8_t, 4>, 4>;

// Four palettes of three colours and a shared backdrop that cover `areas` best. When every area
// holds at most three colours besides one backdrop and the areas' colours fit into four such
// palettes (each pinned area in its own palette), the result draws every area without error.
// Otherwise the palettes are refined from the most frequent colours until the summed squared
// colour error stops falling. Unused entries repeat the backdrop.
BackgroundPalettes fitPalettes(const std::vector<AreaColours>& areas, const ColourMatch& match);

// The summed squared error of drawing `area` in `palette`, each pixel in the nearest entry.
std::int64_t areaError(const AreaColours& area, const std::array<std::uint8_t, 4>& palette,
                       const ColourMatch& match);

// The palette number (0-3) with the least error for `area`, the lowest of equals; a pinned
// area keeps its palette.
int bestPalette(const AreaColours& area, const BackgroundPalettes& palettes,
                const ColourMatch& match);

}  // namespace pelmora
