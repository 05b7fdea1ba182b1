#include "gfx/tile_rasteriser.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

class DrawTileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    buildMasterPalette(PpuRegisters{}, colours);
    // Entry e holds colour index e + 1 (so no two entries draw alike and none is 0).
    for (std::size_t e = 0; e < palette.size(); ++e) palette[e] = static_cast<std::uint8_t>(e + 1);
  }

  std::uint32_t colourOfEntry(std::size_t entry) const {
    return static_cast<std::uint32_t>(colours.masterPalette[palette[entry]]);
  }

  // Sets all 64 pixels of `tile` to `value`.
  void fillTile(std::uint8_t tile, std::uint8_t value) {
    std::fill_n(sheet.begin() + tile * 64, 64, value);
  }

  int draw(std::uint8_t tile, int x, int y, std::uint8_t paletteNumber) {
    return drawTile(sheet, tile, surface, x, y, palette, paletteNumber, colours);
  }

  bool squareIs(int x, int y, std::uint32_t colour) const {
    for (int r = 0; r < 8; ++r) {
      for (int c = 0; c < 8; ++c) {
        if (surface.pixel(x + c, y + r) != colour) return false;
      }
    }
    return true;
  }

  ColourTables colours;
  Palette palette{};
  TileSheet sheet = TileSheet(kSheetTiles * kTilePixels, 0);
  Surface surface{256, 240};
};

TEST_F(DrawTileTest, ValueZeroIsThePalettesOwnFirstEntry) {
  EXPECT_EQ(draw(0, 0, 0, 1), kDrawTileOk);
  EXPECT_TRUE(squareIs(0, 0, colourOfEntry(4)));
  draw(0, 8, 0, 2);
  EXPECT_TRUE(squareIs(8, 0, colourOfEntry(8)));
}

TEST_F(DrawTileTest, PixelsLandInRowMajorOrderInTheirPaletteColours) {
  for (int i = 0; i < 64; ++i) sheet[7 * 64 + i] = static_cast<std::uint8_t>((i * 5 + i / 8) % 4);
  draw(7, 16, 24, 3);
  for (int r = 0; r < 8; ++r) {
    for (int c = 0; c < 8; ++c) {
      ASSERT_EQ(surface.pixel(16 + c, 24 + r), colourOfEntry(12 + sheet[7 * 64 + r * 8 + c]));
    }
  }
}

TEST_F(DrawTileTest, SheetBytesDrawAsTheirLowTwoBits) {
  fillTile(1, 6);
  fillTile(2, 0xFF);
  draw(1, 0, 0, 0);
  draw(2, 8, 0, 0);
  EXPECT_TRUE(squareIs(0, 0, colourOfEntry(2)));
  EXPECT_TRUE(squareIs(8, 0, colourOfEntry(3)));
}

TEST_F(DrawTileTest, PaletteNumberIsMaskedAndFourToSevenAreSpritePalettes) {
  fillTile(1, 1);
  draw(1, 0, 0, 9);
  EXPECT_TRUE(squareIs(0, 0, colourOfEntry(5)));
  for (std::uint8_t number = 4; number < 8; ++number) {
    draw(1, 8 * number, 0, number);
    EXPECT_TRUE(squareIs(8 * number, 0, colourOfEntry(4u * number + 1))) << int{number};
  }
  draw(1, 0, 8, 0xFC);  // AND 7 = 4: sprite palette 0
  EXPECT_TRUE(squareIs(0, 8, colourOfEntry(17)));
}

TEST_F(DrawTileTest, EntryOf64IsColourOneAndAboveThatBlack) {
  palette[0] = 64;
  palette[4] = 65;
  palette[8] = 0xFF;
  surface.setPixel(8, 0, 0x00FFFFFF);
  draw(0, 0, 0, 0);
  draw(0, 8, 0, 1);
  draw(0, 16, 0, 2);
  EXPECT_TRUE(squareIs(0, 0, 1));
  EXPECT_TRUE(squareIs(8, 0, 0));
  EXPECT_TRUE(squareIs(16, 0, 0));
}

TEST_F(DrawTileTest, ShortPaletteDrawsNothing) {
  const std::vector<std::uint8_t> shortPalette(31, 0x16);
  EXPECT_EQ(drawTile(sheet, 0, surface, 0, 0, shortPalette, 0, colours), kDrawTileShortPalette);
  EXPECT_EQ(drawTile(sheet, 0, surface, 0, 0, {}, 0, colours), kDrawTileShortPalette);
  EXPECT_TRUE(squareIs(0, 0, 0));
  const std::vector<std::uint8_t> longPalette(40, 0x16);
  EXPECT_EQ(drawTile(sheet, 0, surface, 0, 0, longPalette, 7, colours), kDrawTileOk);
  EXPECT_TRUE(squareIs(0, 0, 0x000022FF));
}

TEST_F(DrawTileTest, SetsExactlyItsOwnSquare) {
  Surface sheetView(256, 256);
  fillTile(255, 2);
  drawTile(sheet, 255, sheetView, 248, 232, palette, 0, colours);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const bool inside = x >= 248 && y >= 232 && y < 240;
      ASSERT_EQ(sheetView.pixel(x, y), inside ? colourOfEntry(2) : 0u) << x << "," << y;
    }
  }
}

TEST_F(DrawTileTest, ClipsAtTheSurfaceEdges) {
  fillTile(3, 1);
  draw(3, 252, -4, 0);
  draw(3, -6, 236, 0);
  draw(3, INT32_MAX, INT32_MIN, 0);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 256; ++x) {
      const bool inside = (x >= 252 && y < 4) || (x < 2 && y >= 236);
      ASSERT_EQ(surface.pixel(x, y), inside ? colourOfEntry(1) : 0u) << x << "," << y;
    }
  }
}

TEST_F(DrawTileTest, PixelsMissingFromAShortSheetDrawAsValueZero) {
  sheet.assign(64 * 2 + 10, 3);  // tile 2 has only its first ten pixels
  draw(2, 0, 0, 0);
  draw(200, 8, 0, 0);
  for (int i = 0; i < 64; ++i) {
    EXPECT_EQ(surface.pixel(i % 8, i / 8), colourOfEntry(i < 10 ? 3 : 0)) << i;
  }
  EXPECT_TRUE(squareIs(8, 0, colourOfEntry(0)));
  sheet.clear();
  draw(0, 16, 0, 1);
  EXPECT_TRUE(squareIs(16, 0, colourOfEntry(4)));
}

}  // namespace
}  // namespace pelmora
