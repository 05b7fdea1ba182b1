#include "gfx/views.h"

#include <algorithm>

#include "gfx/rounding.h"
#include "gfx/tile_rasteriser.h"
#include "state/ppu_map.h"

namespace pelmora {

namespace {

constexpr int kSourceSquare = 256;  // the square every view enlarges, whatever its picture
constexpr int kTileSize = 8;
constexpr int kSheetColumns = 16;
constexpr int kScreenColumns = 32;
constexpr int kScreenRows = 30;
constexpr int kAttributeColumns = 8;
constexpr int kSheetPixels = kSheetColumns * kTileSize;
constexpr int kScreenWidth = kScreenColumns * kTileSize;
constexpr int kScreenHeight = kScreenRows * kTileSize;
constexpr int kAttributePixels = 4 * kAttributeColumns;  // 2 x 2 pixels per quadrant at scale 1

std::size_t nameTableBase(std::uint8_t nameTable) {
  return ppu_address::kNameTable0 + (nameTable & 3u) * std::size_t{ppu_address::kNameTableStride};
}

// The whole-number scale at which a picture of `width` x `height` pixels covers the whole
// surface, or 0 when the enlargement is not a whole number or leaves part of it uncovered. At
// such a scale the enlargement of the scale-1 picture replicates each pixel into a block, so
// the view can be drawn straight at that scale, over every pixel, with nothing cleared first.
int coveringScale(const Surface& surface, int width, int height, double scale) {
  const std::int32_t size = toInt32(kSourceSquare * scale);
  if (size < kSourceSquare || size % kSourceSquare != 0) return 0;
  const int whole = size / kSourceSquare;
  if (std::int64_t{width} * whole < surface.width() ||
      std::int64_t{height} * whole < surface.height()) {
    return 0;
  }
  return whole;
}

// Steps 1 and 2 of every view drawn at scale 1: an empty image, off the screen while it is drawn.
void beginView(Surface& surface) {
  surface.clear();
  surface.hide();
}

// Steps 4 and 5: the picture drawn at scale 1 enlarged in place, then shown at once.
void finishView(Surface& surface, double scale) {
  const std::int32_t size = toInt32(kSourceSquare * scale);
  surface.stretchCopy(0, 0, kSourceSquare, kSourceSquare, 0, 0, size, size);
  surface.show();
  surface.repaint();
}

// A view drawn straight at its scale: hidden while drawn, then shown at once.
void showView(Surface& surface) {
  surface.show();
  surface.repaint();
}

// One attribute quadrant: a `size` x `size` square at (x, y), clipped to the surface.
void fillQuadrant(Surface& surface, int x, int y, int size, ColourValue colour) {
  const int left = std::max(x, 0);
  const int right = std::min(x + size, surface.width());
  for (int row = std::max(y, 0); row < std::min(y + size, surface.height()); ++row) {
    std::uint32_t* line = surface.row(row);
    if (left < right) std::fill(line + left, line + right, static_cast<std::uint32_t>(colour));
  }
}

}  // namespace

void drawTileSheet(Surface& surface, const TileSheet& sheet, std::span<const std::uint8_t> palette,
                   std::uint8_t paletteNumber, double scale, const ColourTables& colours) {
  const int whole = coveringScale(surface, kSheetPixels, kSheetPixels, scale);
  if (whole != 0 && palette.size() >= kPaletteEntries) {
    surface.hide();
    const int cell = kTileSize * whole;
    for (int r = 0; r < kSheetColumns; ++r) {
      for (int c = 0; c < kSheetColumns; ++c) {
        drawTileScaled(sheet, static_cast<std::uint8_t>(kSheetColumns * r + c), surface, cell * c,
                       cell * r, whole, palette, paletteNumber, colours);
      }
    }
    showView(surface);
    return;
  }
  beginView(surface);
  for (int r = 0; r < kSheetColumns; ++r) {
    for (int c = 0; c < kSheetColumns; ++c) {
      drawTile(sheet, static_cast<std::uint8_t>(kSheetColumns * r + c), surface, kTileSize * c,
               kTileSize * r, palette, paletteNumber, colours);
    }
  }
  finishView(surface, scale);
}

void drawNameTable(Surface& surface, const PpuImage& ppu, std::uint8_t nameTable,
                   const TileSheet& sheet, std::span<const std::uint8_t> palette, double scale,
                   const ColourTables& colours) {
  const int whole = coveringScale(surface, kScreenWidth, kScreenHeight, scale);
  const bool direct = whole != 0 && palette.size() >= kPaletteEntries;
  if (direct) {
    surface.hide();
  } else {
    beginView(surface);
  }
  const int drawnScale = direct ? whole : 1;
  const int cell = kTileSize * drawnScale;
  const std::size_t base = nameTableBase(nameTable);
  for (int r = 0; r < kScreenRows; ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      const std::uint8_t tile = ppu[base + static_cast<std::size_t>(kScreenColumns * r + c)];
      const std::uint8_t attribute =
          ppu[base + ppu_address::kAttributeOffset +
              static_cast<std::size_t>(kAttributeColumns * (r / 4) + c / 4)];
      drawTileScaled(
          sheet, tile, surface, cell * c, cell * r, drawnScale, palette,
          quadrantPalette(static_cast<std::int16_t>(c), static_cast<std::int16_t>(r), attribute),
          colours);
    }
  }
  if (direct) {
    showView(surface);
  } else {
    finishView(surface, scale);
  }
}

void drawAttributeTable(Surface& surface, const PpuImage& ppu, std::uint8_t nameTable,
                        const std::array<ColourValue, 4>& attributeColours, double scale) {
  const int whole = coveringScale(surface, kAttributePixels, kAttributePixels, scale);
  if (whole != 0) {
    surface.hide();
  } else {
    beginView(surface);
  }
  const int quadrant = 2 * std::max(whole, 1);
  std::size_t address = nameTableBase(nameTable) + ppu_address::kAttributeOffset;
  for (int ar = 0; ar < kAttributeColumns; ++ar) {
    for (int ac = 0; ac < kAttributeColumns; ++ac) {
      const std::uint8_t a = ppu[address++];
      const int x = 2 * quadrant * ac;
      const int y = 2 * quadrant * ar;
      fillQuadrant(surface, x, y, quadrant, attributeColours[a & 3u]);             // top-left
      fillQuadrant(surface, x + quadrant, y, quadrant, attributeColours[(a >> 2) & 3u]);
      fillQuadrant(surface, x, y + quadrant, quadrant, attributeColours[(a >> 4) & 3u]);
      fillQuadrant(surface, x + quadrant, y + quadrant, quadrant,
                   attributeColours[(a >> 6) & 3u]);  // bottom-right
    }
  }
  if (whole != 0) {
    showView(surface);
  } else {
    finishView(surface, scale);
  }
}

}  // namespace pelmora
