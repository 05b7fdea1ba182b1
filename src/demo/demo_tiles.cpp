#include "demo/demo_tiles.h"

#include <algorithm>
#include <map>
#include <vector>

#include "demo/demo_font.h"

namespace pelmora::demo {
namespace {

constexpr int kTileSize = 8;
constexpr int kTileBytes = 16;

// A drawing of colour numbers 0-3, cut into 8 x 8 tiles afterwards.
class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), 0) {}

  int width() const { return width_; }
  int height() const { return height_; }

  std::uint8_t at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
  }
  void set(int x, int y, std::uint8_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
  }

  // The 64 colour numbers of the tile at tile column `column`, tile row `row`.
  std::array<std::uint8_t, 64> tileAt(int column, int row) const {
    std::array<std::uint8_t, 64> tile{};
    for (int y = 0; y < kTileSize; ++y) {
      for (int x = 0; x < kTileSize; ++x) {
        tile[static_cast<std::size_t>(y * kTileSize + x)] =
            at(column * kTileSize + x, row * kTileSize + y);
      }
    }
    return tile;
  }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

using TilePixels = std::array<std::uint8_t, 64>;

// Stores a tile in pattern format: plane 0 rows 0-7, then plane 1 rows 0-7, bit 7 leftmost.
void storeTile(DemoTiles& tiles, std::uint8_t number, const TilePixels& pixels) {
  const std::size_t base = std::size_t{number} * kTileBytes;
  for (int y = 0; y < kTileSize; ++y) {
    std::uint8_t plane0 = 0;
    std::uint8_t plane1 = 0;
    for (int x = 0; x < kTileSize; ++x) {
      const std::uint8_t colour = pixels[static_cast<std::size_t>(y * kTileSize + x)];
      const int bit = 7 - x;
      plane0 = static_cast<std::uint8_t>(plane0 | ((colour & 1) << bit));
      plane1 = static_cast<std::uint8_t>(plane1 | (((colour >> 1) & 1) << bit));
    }
    tiles.chr[base + static_cast<std::size_t>(y)] = plane0;
    tiles.chr[base + 8 + static_cast<std::size_t>(y)] = plane1;
  }
}

bool glyphPixel(const char* const* rows, int x, int y) {
  if (x < 0 || y < 0 || x >= kGlyphWidth || y >= kGlyphHeight) return false;
  return rows[y][x] == '#';
}

// A font character: the glyph in colour 3 with a dark shadow one pixel down and right.
TilePixels drawGlyph(const char* const* rows) {
  Canvas canvas(kTileSize, kTileSize);
  for (int y = 0; y < kGlyphHeight; ++y) {
    for (int x = 0; x < kGlyphWidth; ++x) {
      if (glyphPixel(rows, x, y)) canvas.set(x + 2, y + 1, 1);
    }
  }
  for (int y = 0; y < kGlyphHeight; ++y) {
    for (int x = 0; x < kGlyphWidth; ++x) {
      if (glyphPixel(rows, x, y)) canvas.set(x + 1, y, 3);
    }
  }
  return canvas.tileAt(0, 0);
}

void drawFont(DemoTiles& tiles) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    storeTile(tiles, fontTile(digit), drawGlyph(glyphRows(digit)));
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    storeTile(tiles, fontTile(letter), drawGlyph(glyphRows(letter)));
  }
  for (char mark : {'.', '-', '!'}) storeTile(tiles, fontTile(mark), drawGlyph(glyphRows(mark)));
}

// The frame: a band four pixels wide around a 24 x 24 square with rounded corners, dark outside
// edge, a highlight, the body and a dark inside edge. Its eight border tiles repeat seamlessly.
void drawFrame(DemoTiles& tiles) {
  constexpr int kOuter = 2;
  constexpr int kInner = 21;
  constexpr std::array<std::uint8_t, 4> kBand = {1, 3, 2, 1};
  Canvas canvas(24, 24);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const int dx = std::min(x - kOuter, kInner - x);
      const int dy = std::min(y - kOuter, kInner - y);
      if (dx < 0 || dy < 0 || dx + dy < 2) continue;  // outside, or a cut corner
      const int depth = std::min(dx, dy);
      if (depth < static_cast<int>(kBand.size()))
        canvas.set(x, y, kBand[static_cast<std::size_t>(depth)]);
    }
  }
  storeTile(tiles, tile::kFrameTopLeft, canvas.tileAt(0, 0));
  storeTile(tiles, tile::kFrameTop, canvas.tileAt(1, 0));
  storeTile(tiles, tile::kFrameTopRight, canvas.tileAt(2, 0));
  storeTile(tiles, tile::kFrameLeft, canvas.tileAt(0, 1));
  storeTile(tiles, tile::kFrameRight, canvas.tileAt(2, 1));
  storeTile(tiles, tile::kFrameBottomLeft, canvas.tileAt(0, 2));
  storeTile(tiles, tile::kFrameBottom, canvas.tileAt(1, 2));
  storeTile(tiles, tile::kFrameBottomRight, canvas.tileAt(2, 2));
}

template <class Shade>
TilePixels shadedTile(Shade shade) {
  TilePixels pixels{};
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      pixels[static_cast<std::size_t>(y * kTileSize + x)] = shade(x, y);
    }
  }
  return pixels;
}

void drawBlocks(DemoTiles& tiles) {
  storeTile(tiles, tile::kBlockDark, shadedTile([](int, int) -> std::uint8_t { return 1; }));
  storeTile(tiles, tile::kBlockMid, shadedTile([](int, int) -> std::uint8_t { return 2; }));
  storeTile(tiles, tile::kBlockLight, shadedTile([](int, int) -> std::uint8_t { return 3; }));
  storeTile(tiles, tile::kBlockBevel, shadedTile([](int x, int y) -> std::uint8_t {
              if (x == 7 || y == 7) return 1;
              if (x == 0 || y == 0) return 3;
              return 2;
            }));
  storeTile(tiles, tile::kBlockCheckDark,
            shadedTile([](int x, int y) -> std::uint8_t { return ((x + y) & 1) ? 1 : 2; }));
  storeTile(tiles, tile::kBlockCheckLight,
            shadedTile([](int x, int y) -> std::uint8_t { return ((x + y) & 1) ? 2 : 3; }));
  storeTile(tiles, tile::kBlockStripes,
            shadedTile([](int x, int y) -> std::uint8_t { return ((x + y) & 3) < 2 ? 3 : 1; }));
  storeTile(tiles, tile::kBlockRamp, shadedTile([](int x, int y) -> std::uint8_t {
              if (y < 2) return 3;
              if (y < 4) return 2;
              if (y < 6) return ((x + y) & 1) ? 1 : 2;
              return 1;
            }));
}

// A four-pointed star: a bright centre with arms fading out.
void drawSparkle(DemoTiles& tiles) {
  Canvas canvas(kTileSize, kTileSize);
  for (int d = 1; d <= 3; ++d) {
    const std::uint8_t colour = d == 1 ? 2 : 1;
    canvas.set(3 + d, 3, colour);
    canvas.set(3 - d, 3, colour);
    canvas.set(3, 3 + d, colour);
    canvas.set(3, 3 - d, colour);
  }
  canvas.set(3, 3, 3);
  storeTile(tiles, tile::kSparkle, canvas.tileAt(0, 0));
}

// The logo: PELMORA in the small font scaled four times, each letter 20 x 28 pixels with a
// bevel (light top-left edges, dark bottom-right edges) and a drop shadow, letters 4 pixels apart
// and centred in a 22 x 4-tile drawing.
Canvas drawLogoCanvas() {
  constexpr char kWord[] = "PELMORA";
  constexpr int kScale = 4;
  constexpr int kLetterPitch = (kGlyphWidth + 1) * kScale;
  constexpr int kWordWidth = 7 * kLetterPitch - kScale;
  constexpr int kLeft = (kLogoColumns * kTileSize - kWordWidth) / 2;
  constexpr int kTop = 1;

  Canvas shape(kLogoColumns * kTileSize, kLogoRows * kTileSize);
  for (int letter = 0; letter < 7; ++letter) {
    const char* const* rows = glyphRows(kWord[letter]);
    for (int y = 0; y < kGlyphHeight * kScale; ++y) {
      for (int x = 0; x < kGlyphWidth * kScale; ++x) {
        if (glyphPixel(rows, x / kScale, y / kScale)) {
          shape.set(kLeft + letter * kLetterPitch + x, kTop + y, 1);
        }
      }
    }
  }

  Canvas logo(shape.width(), shape.height());
  for (int y = 0; y < logo.height(); ++y) {
    for (int x = 0; x < logo.width(); ++x) {
      if (shape.at(x, y)) {
        const bool litEdge = !shape.at(x - 1, y) || !shape.at(x, y - 1);
        const bool darkEdge = !shape.at(x + 1, y) || !shape.at(x, y + 1);
        logo.set(x, y, litEdge ? 3 : darkEdge ? 1 : 2);
      } else if (shape.at(x - 2, y - 2)) {
        logo.set(x, y, 1);
      }
    }
  }
  return logo;
}

// Cuts the logo into tiles, sharing repeated tiles and using the blank tile for empty ones.
void storeLogo(DemoTiles& tiles) {
  const Canvas logo = drawLogoCanvas();
  std::map<TilePixels, std::uint8_t> known;
  known[TilePixels{}] = tile::kBlank;
  std::uint8_t next = tile::kLogoFirst;
  for (int row = 0; row < kLogoRows; ++row) {
    for (int column = 0; column < kLogoColumns; ++column) {
      const TilePixels pixels = logo.tileAt(column, row);
      auto [entry, added] = known.emplace(pixels, next);
      if (added) storeTile(tiles, next++, pixels);
      tiles.logo[static_cast<std::size_t>(row * kLogoColumns + column)] = entry->second;
    }
  }
}

}  // namespace

std::uint8_t fontTile(char character) {
  if (character >= '0' && character <= '9') {
    return static_cast<std::uint8_t>(tile::kDigitZero + (character - '0'));
  }
  if (character >= 'A' && character <= 'Z') {
    return static_cast<std::uint8_t>(tile::kLetterA + (character - 'A'));
  }
  switch (character) {
    case '.':
      return tile::kPeriod;
    case '-':
      return tile::kDash;
    case '!':
      return tile::kExclamation;
    default:
      return tile::kBlank;
  }
}

DemoTiles drawDemoTiles() {
  DemoTiles tiles;
  drawFont(tiles);
  drawFrame(tiles);
  drawBlocks(tiles);
  drawSparkle(tiles);
  storeLogo(tiles);
  return tiles;
}

}  // namespace pelmora::demo
