#include "gfx/views.h"

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

std::size_t nameTableBase(std::uint8_t nameTable) {
  return ppu_address::kNameTable0 + (nameTable & 3u) * std::size_t{ppu_address::kNameTableStride};
}

// Steps 1 and 2 of every view: an empty image, off the screen while it is drawn.
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

// One attribute quadrant: 2 x 2 pixels at scale 1.
void setQuadrant(Surface& surface, int x, int y, ColourValue colour) {
  surface.setPixel(x, y, colour);
  surface.setPixel(x + 1, y, colour);
  surface.setPixel(x, y + 1, colour);
  surface.setPixel(x + 1, y + 1, colour);
}

}  // namespace

void drawTileSheet(Surface& surface, const TileSheet& sheet, std::span<const std::uint8_t> palette,
                   std::uint8_t paletteNumber, double scale, const ColourTables& colours) {
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
  beginView(surface);
  const std::size_t base = nameTableBase(nameTable);
  for (int r = 0; r < kScreenRows; ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      const std::uint8_t tile = ppu[base + static_cast<std::size_t>(kScreenColumns * r + c)];
      const std::uint8_t attribute =
          ppu[base + ppu_address::kAttributeOffset +
              static_cast<std::size_t>(kAttributeColumns * (r / 4) + c / 4)];
      drawTile(
          sheet, tile, surface, kTileSize * c, kTileSize * r, palette,
          quadrantPalette(static_cast<std::int16_t>(c), static_cast<std::int16_t>(r), attribute),
          colours);
    }
  }
  finishView(surface, scale);
}

void drawAttributeTable(Surface& surface, const PpuImage& ppu, std::uint8_t nameTable,
                        const std::array<ColourValue, 4>& attributeColours, double scale) {
  beginView(surface);
  std::size_t address = nameTableBase(nameTable) + ppu_address::kAttributeOffset;
  for (int ar = 0; ar < kAttributeColumns; ++ar) {
    for (int ac = 0; ac < kAttributeColumns; ++ac) {
      const std::uint8_t a = ppu[address++];
      const int x = 4 * ac;
      const int y = 4 * ar;
      setQuadrant(surface, x, y, attributeColours[a & 3u]);                 // top-left
      setQuadrant(surface, x + 2, y, attributeColours[(a >> 2) & 3u]);      // top-right
      setQuadrant(surface, x, y + 2, attributeColours[(a >> 4) & 3u]);      // bottom-left
      setQuadrant(surface, x + 2, y + 2, attributeColours[(a >> 6) & 3u]);  // bottom-right
    }
  }
  finishView(surface, scale);
}

}  // namespace pelmora
