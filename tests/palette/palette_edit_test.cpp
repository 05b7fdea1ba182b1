#include "palette/palette_edit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

EditorState numberedState() {
  EditorState state;
  for (int i = 0; i < 32; ++i) state.romPalette[i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < 80; ++i) state.bkgPalettes[i] = static_cast<std::uint8_t>(0x40 + i);
  for (int i = 0; i < 7; ++i) state.coinPalette[i] = static_cast<std::uint8_t>(0x20 + i);
  state.viewPalette = state.romPalette;
  return state;
}

TEST(StorePaletteColour, ColourZeroIsSharedWithinItsGroup) {
  EditorState state = numberedState();
  EXPECT_EQ(openPaletteSquare(state, kTargetRomPalette, 4), 4);
  storePaletteColour(state, 0x0F);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(state.romPalette[i], i % 4 == 0 ? 0x0F : i) << i;

  EXPECT_EQ(openPaletteSquare(state, kTargetRomPalette, 5), 5);
  storePaletteColour(state, 0x21);
  EXPECT_EQ(state.romPalette[5], 0x21);
  EXPECT_EQ(state.romPalette[4], 0x0F);

  EXPECT_EQ(openPaletteSquare(state, kTargetBackgroundSets, 36), 0x40 + 36);
  storePaletteColour(state, 0x30);
  for (int i = 0; i < 80; ++i) {
    const bool sharedInSet2 = i >= 32 && i < 48 && i % 4 == 0;
    EXPECT_EQ(state.bkgPalettes[i], sharedInSet2 ? 0x30 : 0x40 + i) << i;
  }

  EXPECT_EQ(openPaletteSquare(state, kTargetCoinPalette, 0), 0x20);
  storePaletteColour(state, 0x11);
  EXPECT_EQ(state.coinPalette, (std::array<std::uint8_t, 7>{0x11, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26}));
}

TEST(StorePaletteColour, RebuildsTheViewForTheCurrentSet) {
  EditorState state = numberedState();
  openPaletteSquare(state, kTargetBackgroundSets, 3);
  storePaletteColour(state, 0x2A);
  EXPECT_EQ(state.viewPalette, state.romPalette) << "set 0 is not in use while paletteSet is 0";
  state.paletteSet = 1;
  storePaletteColour(state, 0x2B);
  EXPECT_EQ(state.viewPalette[3], 0x2B);
  EXPECT_EQ(state.viewPalette[16], 16);
}

TEST(CyclePaletteSet, StepsThroughSixSetsAndBack) {
  EditorState state = numberedState();
  for (int press = 1; press <= 6; ++press) {
    cyclePaletteSet(state);
    EXPECT_EQ(state.paletteSet, press % 6);
    for (int i = 0; i < 32; ++i) {
      const int expected = (press % 6 != 0 && i < 16) ? 0x40 + 16 * (press - 1) + i : i;
      ASSERT_EQ(state.viewPalette[i], expected) << press << " " << i;
    }
  }
  EXPECT_EQ(state.viewPalette, state.romPalette);
  applyPaletteSet(state, 9);
  EXPECT_EQ(state.viewPalette, state.romPalette);
}

TEST(PaletteCaptions, HexAndTextColour) {
  EXPECT_EQ(paletteCaption(0), "0");
  EXPECT_EQ(paletteCaption(15), "F");
  EXPECT_EQ(paletteCaption(0x30), "30");
  EXPECT_EQ(paletteCaption(0x2D), "2D");
  EXPECT_EQ(selectorCaption(10), "0A");
  EXPECT_EQ(selectorCaption(63), "3F");
  int dark = 0;
  for (int colour = 0; colour < 64; ++colour) dark += darkColorSet(static_cast<std::uint8_t>(colour));
  EXPECT_EQ(dark, 18);
  EXPECT_TRUE(darkColorSet(0x0D));
  EXPECT_TRUE(darkColorSet(0x3F));
  EXPECT_FALSE(darkColorSet(0x00));
  EXPECT_FALSE(darkColorSet(0x20));
  EXPECT_FALSE(darkColorSet(0x2D));
  EXPECT_TRUE(lightCaption(0x0D));
  EXPECT_FALSE(lightCaption(0x2D));
  EXPECT_TRUE(lightCaption(0x40)) << "the almost black of byte 64";
  EXPECT_TRUE(lightCaption(0xFF));
}

}  // namespace
}  // namespace pelmora
