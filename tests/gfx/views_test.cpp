#include "gfx/views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gfx/screen_views.h"

namespace pelmora {
namespace {

constexpr std::uint32_t kLightRed = 0x008080FF;
constexpr std::uint32_t kLightYellow = 0x0080FFFF;
constexpr std::uint32_t kLightBlue = 0x00FF8080;
constexpr std::uint32_t kLightMagenta = 0x00FF80FF;

bool isUniform(const Surface& surface, std::uint32_t colour) {
  const std::uint32_t* p = surface.pixels();
  return std::all_of(p, p + surface.width() * surface.height(),
                     [&](std::uint32_t pixel) { return pixel == colour; });
}

std::vector<std::uint32_t> pixelsOf(const Surface& surface) {
  return {surface.pixels(), surface.pixels() + surface.width() * surface.height()};
}

// The colour of a 16 x 16 block if all its pixels agree, or ~0 if they do not.
std::uint32_t blockColour(const Surface& surface, int x, int y, int size) {
  const std::uint32_t colour = surface.pixel(x, y);
  for (int r = 0; r < size; ++r) {
    for (int c = 0; c < size; ++c) {
      if (surface.pixel(x + c, y + r) != colour) return ~0u;
    }
  }
  return colour;
}

class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initEditorState(state);
    buildMasterPalette(state.ppuRegisters, colours);
  }

  std::uint32_t master(std::uint8_t index) const {
    return static_cast<std::uint32_t>(colours.masterPalette[index]);
  }

  EditorState state;
  ColourTables colours;
  ScreenViews views;
};

TEST(QuadrantPalette, PicksTheBitPairOfTheTilesQuadrant) {
  const std::uint8_t attribute = 0xE4;  // 3, 2, 1, 0 from bottom-right to top-left
  for (std::int16_t row = 0; row < 8; ++row) {
    for (std::int16_t column = 0; column < 8; ++column) {
      const int expected = ((row & 3) >= 2 ? 2 : 0) + ((column & 3) >= 2 ? 1 : 0);
      EXPECT_EQ(quadrantPalette(column, row, attribute), expected) << column << "," << row;
    }
  }
  EXPECT_EQ(quadrantPalette(-2, -2, 0xC0), 3);
}

TEST_F(ViewsTest, AllZeroStateDrawsUniformGreyAndLightRed) {
  redrawViews(views, state, colours);
  EXPECT_TRUE(isUniform(views.PAT0, 0x00808080));
  EXPECT_TRUE(isUniform(views.NAT0, 0x00808080));
  EXPECT_TRUE(isUniform(views.NAT1, 0x00808080));
  EXPECT_TRUE(isUniform(views.ATT0, kLightRed));
  EXPECT_TRUE(isUniform(views.ATT1, kLightRed));
  for (const Surface* surface : {&views.PAT0, &views.NAT0, &views.ATT0, &views.NAT1, &views.ATT1}) {
    EXPECT_TRUE(surface->isVisible());
  }
}

TEST_F(ViewsTest, EveryViewHidesWhileDrawingThenShowsAndRepaints) {
  std::string calls;
  views.NAT0.setHooks(
      {[&] { calls += "hide "; }, [&] { calls += "show "; }, [&] { calls += "repaint "; }});
  redrawNameTableView(views, 0, state, colours);
  EXPECT_EQ(calls, "hide show repaint ");
}

TEST_F(ViewsTest, AttributeQuadrantsColourTheScreenAndTheAttributeView) {
  state.viewPalette = {0x0F, 0x01, 0x02, 0x03, 0x16, 0x05, 0x06, 0x07,
                       0x2A, 0x09, 0x0A, 0x0B, 0x30, 0x0D, 0x0E, 0x0F};
  state.ppuImage[0x23C0] = 0xE4;
  redrawViews(views, state, colours);
  // Blank tiles show each palette's first entry.
  EXPECT_EQ(blockColour(views.NAT0, 0, 0, 16), master(0x0F));
  EXPECT_EQ(blockColour(views.NAT0, 16, 0, 16), master(0x16));
  EXPECT_EQ(blockColour(views.NAT0, 0, 16, 16), master(0x2A));
  EXPECT_EQ(blockColour(views.NAT0, 16, 16, 16), master(0x30));
  EXPECT_EQ(blockColour(views.NAT0, 32, 0, 16), master(0x0F));
  EXPECT_EQ(blockColour(views.ATT0, 0, 0, 16), kLightRed);
  EXPECT_EQ(blockColour(views.ATT0, 16, 0, 16), kLightYellow);
  EXPECT_EQ(blockColour(views.ATT0, 0, 16, 16), kLightBlue);
  EXPECT_EQ(blockColour(views.ATT0, 16, 16, 16), kLightMagenta);
  EXPECT_EQ(blockColour(views.ATT0, 32, 0, 16), kLightRed);
  // Name table 2 has its own attribute table.
  EXPECT_TRUE(isUniform(views.NAT1, master(0x0F)));
  EXPECT_TRUE(isUniform(views.ATT1, kLightRed));
}

TEST_F(ViewsTest, LastAttributeRowGovernsRows28And29WithItsTopHalfOnly) {
  state.viewPalette[8] = 0x21;
  for (std::size_t a = 0x23F8; a < 0x2400; ++a) state.ppuImage[a] = 0x0A;  // top quadrants 2
  redrawViews(views, state, colours);
  const auto screen = pixelsOf(views.NAT0);
  const auto attributes = pixelsOf(views.ATT0);
  for (int x = 0; x < 256; x += 16) {
    EXPECT_EQ(blockColour(views.NAT0, x, 224, 16), master(0x21)) << x;
    EXPECT_EQ(blockColour(views.ATT0, x, 224, 16), kLightBlue) << x;
    EXPECT_EQ(blockColour(views.NAT0, x, 208, 16), master(0)) << x;
  }
  for (std::size_t a = 0x23F8; a < 0x2400; ++a) state.ppuImage[a] = 0xFA;  // bottom bits 3
  redrawViews(views, state, colours);
  EXPECT_EQ(pixelsOf(views.NAT0), screen);
  EXPECT_EQ(pixelsOf(views.ATT0), attributes);
}

TEST_F(ViewsTest, NameTableNumberIsMaskedToFour) {
  state.viewPalette[1] = 0x16;
  std::fill_n(state.tileSheet.begin() + 64, 64, 1);
  state.ppuImage[0x2400] = 1;                 // name table 1
  state.ppuImage[0x2800 + 32 * 29 + 31] = 1;  // last tile of name table 2
  Surface surface(256, 240);
  drawNameTable(surface, state.ppuImage, 5, state.tileSheet, state.viewPalette, 1, colours);
  EXPECT_EQ(blockColour(surface, 0, 0, 8), master(0x16));
  EXPECT_EQ(blockColour(surface, 248, 232, 8), master(0));
  drawNameTable(surface, state.ppuImage, 2, state.tileSheet, state.viewPalette, 1, colours);
  EXPECT_EQ(blockColour(surface, 0, 0, 8), master(0));
  EXPECT_EQ(blockColour(surface, 248, 232, 8), master(0x16));
}

TEST_F(ViewsTest, TileSheetPlacesTilesAtDoubleSizeInTheChosenPalette) {
  for (std::size_t e = 0; e < kPaletteEntries; ++e)
    state.viewPalette[e] = static_cast<std::uint8_t>(e);
  std::fill_n(state.tileSheet.begin() + 0x5B * 64, 64, 2);
  state.paletteSet = 4;  // sprite palette 0: entries 16-19
  redrawViews(views, state, colours);
  for (int y = 0; y < 256; y += 16) {
    for (int x = 0; x < 256; x += 16) {
      const bool isTile5B = x == 176 && y == 80;
      ASSERT_EQ(blockColour(views.PAT0, x, y, 16), master(isTile5B ? 18 : 16)) << x << "," << y;
    }
  }
  drawTileSheet(views.PAT0, state.tileSheet, state.viewPalette, 0, kTileSheetScale, colours);
  EXPECT_EQ(blockColour(views.PAT0, 176, 80, 16), master(2));
  EXPECT_EQ(blockColour(views.PAT0, 0, 0, 16), master(0));
}

TEST_F(ViewsTest, PaletteBytesAbove64DrawBlack) {
  state.viewPalette.fill(0x80);
  state.viewPalette[4] = 64;
  state.ppuImage[0x23C0] = 0x01;
  redrawViews(views, state, colours);
  EXPECT_TRUE(isUniform(views.PAT0, 0));
  EXPECT_EQ(blockColour(views.NAT0, 0, 0, 16), 1u);
  EXPECT_EQ(blockColour(views.NAT0, 16, 0, 16), 0u);
}

TEST_F(ViewsTest, ShortPaletteLeavesTheViewClearedAndShown) {
  const std::vector<std::uint8_t> shortPalette(16, 0x16);
  views.NAT0.setPixel(3, 3, 0x00FFFFFF);
  drawNameTable(views.NAT0, state.ppuImage, 0, state.tileSheet, shortPalette, 1, colours);
  EXPECT_TRUE(isUniform(views.NAT0, 0));
  EXPECT_TRUE(views.NAT0.isVisible());
}

TEST_F(ViewsTest, ScaleIsTheEnlargedSizeOver256) {
  state.ppuImage[0x23C0] = 0xE4;
  Surface surface(256, 240);
  // 256 x 1.5 = 384: destination pixel X shows scale-1 pixel X x 256 / 384.
  drawAttributeTable(surface, state.ppuImage, 0, colours.attributeColours, 1.5);
  EXPECT_EQ(surface.pixel(2, 0), kLightRed);
  EXPECT_EQ(surface.pixel(3, 0), kLightYellow);
  EXPECT_EQ(surface.pixel(5, 0), kLightYellow);
  EXPECT_EQ(surface.pixel(6, 0), kLightRed);
  // A scale that enlarges to nothing leaves the picture at scale 1; none of them fails.
  for (double scale : {0.0, -3.0, std::nan(""), 1e300, -1e300}) {
    drawAttributeTable(surface, state.ppuImage, 0, colours.attributeColours, scale);
    EXPECT_TRUE(surface.isVisible());
  }
  drawAttributeTable(surface, state.ppuImage, 0, colours.attributeColours, -1.0);
  EXPECT_EQ(surface.pixel(2, 0), kLightYellow);
  EXPECT_EQ(surface.pixel(32, 0), 0u);
}

TEST_F(ViewsTest, PartialRedrawsTouchOnlyTheirViews) {
  redrawViews(views, state, colours);
  state.viewPalette[0] = 0x16;
  state.ppuImage[0x23C0] = 0xFF;
  redrawNameTableView(views, 2, state, colours);
  EXPECT_TRUE(isUniform(views.NAT1, master(0x16)));
  EXPECT_TRUE(isUniform(views.NAT0, master(0)));
  EXPECT_TRUE(isUniform(views.ATT0, kLightRed));
  redrawAttributeView(views, state, colours);
  EXPECT_EQ(blockColour(views.ATT0, 0, 0, 32), kLightMagenta);
  EXPECT_TRUE(isUniform(views.ATT1, kLightRed));
  redrawNameTableView(views, 1, state, colours);
  EXPECT_TRUE(isUniform(views.NAT0, master(0)));
}

// Drawn straight at a whole scale over whatever the surface held, each view leaves the pixels of
// its scale-1 picture enlarged by block copies.
TEST_F(ViewsTest, WholeScalesMatchTheEnlargedScaleOnePicture) {
  std::mt19937 random(7);
  for (auto& value : state.tileSheet) value = static_cast<std::uint8_t>(random() % 4);
  for (auto& value : state.ppuImage) value = static_cast<std::uint8_t>(random());
  for (auto& value : state.viewPalette) value = static_cast<std::uint8_t>(random() % 64);
  const auto check = [](const auto& draw, int width, int height, int scale) {
    Surface atOne(256, 256);
    draw(atOne, 1.0);
    Surface expected(width, height);
    expected.stretchCopyFrom(atOne, 0, 0, 256, 256, 0, 0, 256 * scale, 256 * scale);
    Surface drawn(width, height);
    for (int y = 0; y < height; ++y) std::fill_n(drawn.row(y), width, 0x00123456u);
    draw(drawn, static_cast<double>(scale));
    EXPECT_EQ(pixelsOf(drawn), pixelsOf(expected)) << width << "x" << height << " at " << scale;
  };
  const auto sheet = [&](Surface& s, double scale) {
    drawTileSheet(s, state.tileSheet, state.viewPalette, 1, scale, colours);
  };
  const auto screen = [&](Surface& s, double scale) {
    drawNameTable(s, state.ppuImage, 2, state.tileSheet, state.viewPalette, scale, colours);
  };
  const auto attributes = [&](Surface& s, double scale) {
    drawAttributeTable(s, state.ppuImage, 0, colours.attributeColours, scale);
  };
  check(sheet, 256, 256, 2);
  check(sheet, 200, 100, 3);
  check(screen, 256, 240, 1);
  check(screen, 300, 250, 2);
  check(attributes, 256, 240, 8);
  check(attributes, 64, 40, 2);
}

}  // namespace
}  // namespace pelmora
