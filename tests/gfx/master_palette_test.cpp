#include "gfx/master_palette.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

constexpr bool kOff = false;
constexpr bool kOn = true;

TEST(NesColourToRgb, BaseColoursWithoutEmphasis) {
  EXPECT_EQ(nesColourToRgb(0x16, kOff, 0), 0x000022FF);
  EXPECT_EQ(nesColourToRgb(0x00, kOff, 0), 0x00808080);
  EXPECT_EQ(nesColourToRgb(0x2C, kOff, 0), 0x00FFFB05);
}

TEST(NesColourToRgb, EmphasisScalesAndRoundsToNearest) {
  EXPECT_EQ(nesColourToRgb(0x30, kOff, 1), 0x00CFCCFF);  // blue 206.55 -> 207
  EXPECT_EQ(nesColourToRgb(0x01, kOff, 2), 0x006E3900);  // 57.34 -> 57, 109.56 -> 110
}

TEST(NesColourToRgb, ExactHalvesGoToTheEvenNeighbour) {
  // 255 x 0.70 = 178.5 -> 178 (down), 5 x 0.70 = 3.5 -> 4 (up).
  EXPECT_EQ(nesColourToRgb(0x20, kOff, 7), 0x00B2B2B2);
  EXPECT_EQ(nesColourToRgb(0x0E, kOff, 7), 0x00040404);
  // $13 under emphasis 1: blue 250 x 0.81 = 202.5 -> 202; green 55 x 0.80 = 44.
  EXPECT_EQ(nesColourToRgb(0x13, kOff, 1), 0x00CA2C82);
  // $28 under emphasis 3: red 250 x 0.79 = 197.5 -> 198.
  EXPECT_EQ(nesColourToRgb(0x28, kOff, 3) & 0xFF, 198);
}

TEST(NesColourToRgb, ChannelsAbove255AreClamped) {
  EXPECT_EQ(nesColourToRgb(0x30, kOff, 4), 0x00FFD4D1);  // blue 285.6 -> 255
  EXPECT_EQ(nesColourToRgb(0x21, kOff, 4) >> 16, 255);
}

TEST(NesColourToRgb, ZeroChannelsStayZeroUnderEveryEmphasis) {
  for (std::uint8_t emphasis = 0; emphasis < 8; ++emphasis) {
    EXPECT_EQ(nesColourToRgb(0x0D, kOff, emphasis), 0) << int{emphasis};
    EXPECT_EQ(nesColourToRgb(0x16, kOff, emphasis) >> 16, 0) << int{emphasis};
  }
}

TEST(NesColourToRgb, OnlyTheLowThreeEmphasisBitsCount) {
  EXPECT_EQ(nesColourToRgb(0x30, kOff, 9), nesColourToRgb(0x30, kOff, 1));
  EXPECT_EQ(nesColourToRgb(0x30, kOff, 0xF8), nesColourToRgb(0x30, kOff, 0));
}

TEST(NesColourToRgb, GreyscaleTakesTheRowGreyAndIgnoresEmphasis) {
  EXPECT_EQ(nesColourToRgb(0x2A, kOn, 0), 0x00FFFFFF);
  EXPECT_EQ(nesColourToRgb(0x1C, kOn, 3), 0x00C7C7C7);
  EXPECT_EQ(nesColourToRgb(0x0D, kOn, 0), 0x00808080);
  EXPECT_EQ(nesColourToRgb(0x3F, kOn, 7), 0x00FFFFFF);
}

TEST(NesColourToRgb, DarkColumnsAreGreysAndOnlyZeroDIsBlack) {
  EXPECT_EQ(nesColourToRgb(0x0E, kOff, 0), 0x00050505);
  EXPECT_EQ(nesColourToRgb(0x0F, kOff, 0), 0x00050505);
  EXPECT_EQ(nesColourToRgb(0x1F, kOff, 0), 0x00090909);
  EXPECT_EQ(nesColourToRgb(0x2E, kOff, 0), 0x000D0D0D);
  EXPECT_EQ(nesColourToRgb(0x3F, kOff, 0), 0x00111111);
  EXPECT_EQ(nesColourToRgb(0x0D, kOff, 0), 0);
  EXPECT_EQ(nesColourToRgb(0x1D, kOff, 0), 0x00212121);
}

TEST(NesColourToRgb, IndicesAbove3FAreBlack) {
  for (int colour : {0x40, 0x41, 0x7F, 0xC0, 0xFF}) {
    EXPECT_EQ(nesColourToRgb(static_cast<std::uint8_t>(colour), kOff, 0), 0) << colour;
    EXPECT_EQ(nesColourToRgb(static_cast<std::uint8_t>(colour), kOff, 4), 0) << colour;
  }
}

TEST(BuildMasterPalette, MaskZeroGivesTheBaseTableAndTheFixedExtras) {
  ColourTables tables;
  buildMasterPalette(PpuRegisters{}, tables);
  for (int i = 0; i < 64; ++i) {
    EXPECT_EQ(tables.masterPalette[i], nesColourToRgb(static_cast<std::uint8_t>(i), kOff, 0)) << i;
  }
  EXPECT_EQ(tables.masterPalette[0x20], 0x00FFFFFF);
  EXPECT_EQ(tables.masterPalette[0x30], 0x00FFFFFF);
  EXPECT_EQ(tables.masterPalette[64], 1);
  EXPECT_EQ(tables.attributeColours,
            (std::array<ColourValue, 4>{0x008080FF, 0x0080FFFF, 0x00FF8080, 0x00FF80FF}));
}

TEST(BuildMasterPalette, ReadsGreyscaleAndEmphasisFromTheMaskByte) {
  ColourTables tables;
  buildMasterPalette(PpuRegisters{.control = 0xFF, .mask = 0x20}, tables);
  EXPECT_EQ(tables.masterPalette[0x30], 0x00CFCCFF);  // emphasis 1; the control byte is ignored
  buildMasterPalette(PpuRegisters{.control = 0, .mask = 0x01}, tables);
  EXPECT_EQ(tables.masterPalette[0x16], 0x00C7C7C7);
  EXPECT_EQ(tables.masterPalette[64], 1);
}

TEST(ColourTablesLookup, BytesAbove64HaveNoEntryAndDrawBlack) {
  ColourTables tables;
  buildMasterPalette(PpuRegisters{}, tables);
  EXPECT_EQ(tables.lookup(0x16), 0x000022FF);
  EXPECT_EQ(tables.lookup(64), 1);
  EXPECT_EQ(tables.lookup(65), 0);
  EXPECT_EQ(tables.lookup(255), 0);
}

}  // namespace
}  // namespace pelmora
