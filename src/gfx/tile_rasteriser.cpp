#include "gfx/tile_rasteriser.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr int kTileSize = 8;
constexpr std::size_t kColoursPerPalette = 4;

// The four colours of one palette, looked up once per tile rather than once per pixel.
using TileColours = std::array<std::uint32_t, kColoursPerPalette>;

TileColours paletteColours(std::span<const std::uint8_t> palette, std::uint8_t paletteNumber,
                           const ColourTables& colours) {
  const std::size_t first = (paletteNumber & 7u) * kColoursPerPalette;
  TileColours result{};
  for (std::size_t value = 0; value < kColoursPerPalette; ++value) {
    result[value] = static_cast<std::uint32_t>(colours.lookup(palette[first + value]));
  }
  return result;
}

// The whole tile lies on the surface and in the sheet: rows are written straight into the image.
void drawWholeTile(const std::uint8_t* pixels, Surface& surface, int x, int y,
                   const TileColours& tileColours) {
  for (int r = 0; r < kTileSize; ++r) {
    std::uint32_t* out = surface.row(y + r) + x;
    const std::uint8_t* in = pixels + r * kTileSize;
    for (int c = 0; c < kTileSize; ++c) out[c] = tileColours[in[c] & 3u];
  }
}

// A tile at the edge of the surface, or cut short by the sheet: pixel by pixel, clipped, and
// a pixel missing from the sheet drawn as value 0.
void drawClippedTile(const TileSheet& sheet, std::size_t base, Surface& surface, std::int64_t x,
                     std::int64_t y, const TileColours& tileColours) {
  for (int r = 0; r < kTileSize; ++r) {
    for (int c = 0; c < kTileSize; ++c) {
      const std::int64_t px = x + c;
      const std::int64_t py = y + r;
      if (px < 0 || py < 0 || px >= surface.width() || py >= surface.height()) continue;
      const std::size_t at = base + static_cast<std::size_t>(r * kTileSize + c);
      const std::uint8_t value = at < sheet.size() ? sheet[at] & 3u : 0;
      surface.setPixel(static_cast<int>(px), static_cast<int>(py),
                       static_cast<ColourValue>(tileColours[value]));
    }
  }
}

// A whole tile at a fixed whole scale, on the surface and in the sheet: each tile row written
// once as blocks, then copied to the rows below it.
template <int Scale>
void drawWholeTileAt(const std::uint8_t* pixels, Surface& surface, int x, int y,
                     const TileColours& tileColours) {
  for (int r = 0; r < kTileSize; ++r) {
    std::uint32_t* first = surface.row(y + r * Scale) + x;
    const std::uint8_t* in = pixels + r * kTileSize;
    for (int c = 0; c < kTileSize; ++c) {
      const std::uint32_t colour = tileColours[in[c] & 3u];
      for (int k = 0; k < Scale; ++k) first[c * Scale + k] = colour;
    }
    for (int k = 1; k < Scale; ++k) {
      std::copy(first, first + kTileSize * Scale, surface.row(y + r * Scale + k) + x);
    }
  }
}

}  // namespace

int drawTile(const TileSheet& sheet, std::uint8_t tile, Surface& surface, std::int32_t x,
             std::int32_t y, std::span<const std::uint8_t> palette, std::uint8_t paletteNumber,
             const ColourTables& colours) {
  if (palette.size() < kPaletteEntries) return kDrawTileShortPalette;
  const TileColours tileColours = paletteColours(palette, paletteNumber, colours);
  const std::size_t base = std::size_t{tile} * kTilePixels;
  const bool onSurface = x >= 0 && y >= 0 && std::int64_t{x} + kTileSize <= surface.width() &&
                         std::int64_t{y} + kTileSize <= surface.height();
  if (onSurface && base + kTilePixels <= sheet.size()) {
    drawWholeTile(sheet.data() + base, surface, x, y, tileColours);
  } else {
    drawClippedTile(sheet, base, surface, x, y, tileColours);
  }
  return kDrawTileOk;
}

int drawTileScaled(const TileSheet& sheet, std::uint8_t tile, Surface& surface, std::int32_t x,
                   std::int32_t y, int scale, std::span<const std::uint8_t> palette,
                   std::uint8_t paletteNumber, const ColourTables& colours) {
  if (scale <= 1) return drawTile(sheet, tile, surface, x, y, palette, paletteNumber, colours);
  if (palette.size() < kPaletteEntries) return kDrawTileShortPalette;
  const TileColours tileColours = paletteColours(palette, paletteNumber, colours);
  const std::size_t base = std::size_t{tile} * kTilePixels;
  const bool onSurface = x >= 0 && y >= 0 &&
                         std::int64_t{x} + std::int64_t{kTileSize} * scale <= surface.width() &&
                         std::int64_t{y} + std::int64_t{kTileSize} * scale <= surface.height();
  if (onSurface && base + kTilePixels <= sheet.size()) {
    switch (scale) {
      case 2:
        drawWholeTileAt<2>(sheet.data() + base, surface, x, y, tileColours);
        return kDrawTileOk;
      case 3:
        drawWholeTileAt<3>(sheet.data() + base, surface, x, y, tileColours);
        return kDrawTileOk;
      default:
        break;
    }
  }
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right =
      std::min<std::int64_t>(std::int64_t{x} + std::int64_t{kTileSize} * scale, surface.width());
  if (left >= right) return kDrawTileOk;
  // Each tile row is written once as blocks of `scale` pixels, then copied to the rows below it.
  for (int r = 0; r < kTileSize; ++r) {
    const std::int64_t blockTop = std::int64_t{y} + std::int64_t{r} * scale;
    const std::int64_t top = std::max<std::int64_t>(blockTop, 0);
    const std::int64_t bottom = std::min<std::int64_t>(blockTop + scale, surface.height());
    if (top >= bottom) continue;
    std::uint32_t* first = surface.row(static_cast<int>(top));
    for (int c = 0; c < kTileSize; ++c) {
      const std::int64_t blockLeft = std::int64_t{x} + std::int64_t{c} * scale;
      const std::int64_t from = std::max(blockLeft, left);
      const std::int64_t to = std::min(blockLeft + scale, right);
      if (from >= to) continue;
      const std::size_t at = base + static_cast<std::size_t>(r * kTileSize + c);
      std::fill(first + from, first + to, tileColours[at < sheet.size() ? sheet[at] & 3u : 0]);
    }
    for (std::int64_t py = top + 1; py < bottom; ++py) {
      std::copy(first + left, first + right, surface.row(static_cast<int>(py)) + left);
    }
  }
  return kDrawTileOk;
}

}  // namespace pelmora
