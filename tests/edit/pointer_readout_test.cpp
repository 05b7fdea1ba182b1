// The status bar's readout names the cell a press would change, and the save offsets it
// names are where Save really writes.
#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "edit/pointer_readout.h"
#include "rom/title_export.h"
#include "rom/title_import.h"

namespace pelmora {
namespace {

EditorState demoState() {
  RomImage rom = buildDemoImage();
  EditorState state;
  EXPECT_TRUE(importTitleScreen(rom, state));
  return state;
}

TEST(PointerReadout, ScreenNamesCellAddressesAndSavePlace) {
  EditorState state;
  state.ppuImage[0x2000] = 0x2A;
  state.ppuImage[0x23C0] = 0b11'10'01'00;
  EXPECT_EQ(screenReadout(state, 0, 0, 0),
            "Name table 0, col 0, row 0: tile $2A at PPU $2000 \xC2\xB7 attribute $23C0 "
            "top left, palette 0 \xC2\xB7 body 0x32770, file 0x32780");
  // 15.4 rounds to 15 (still the top-left quadrant), 15.6 to 16 (the next one), as a press does.
  EXPECT_NE(screenReadout(state, 0, 15.4, 0).find("top left, palette 0"), std::string::npos);
  EXPECT_NE(screenReadout(state, 0, 15.6, 16).find("bottom right, palette 3"), std::string::npos);
  EXPECT_NE(screenReadout(state, 0, 255, 239).find("col 31, row 29"), std::string::npos);
  EXPECT_NE(screenReadout(state, 0, 0, 26 * 8).find("not saved to the ROM"), std::string::npos);
  EXPECT_NE(screenReadout(state, 2, 0, 24 * 8).find("PPU $2B00"), std::string::npos);
  EXPECT_EQ(screenReadout(state, 0, 256, 0), "");
  EXPECT_EQ(screenReadout(state, 0, -1, 0), "");
}

TEST(PointerReadout, AttributesSheetAndPaletteSet) {
  EditorState state;
  state.ppuImage[0x23C9] = 0x40;
  EXPECT_EQ(attributeReadout(state, 0, 40, 60),
            "Attribute $23C9 = $40, bottom left quadrant: palette 0 \xC2\xB7 body 0x33574, "
            "file 0x33584");
  EXPECT_NE(attributeReadout(state, 2, 0, 0).find("$2BC0"), std::string::npos);
  EXPECT_NE(attributeReadout(state, 2, 0, 0).find("not saved to the ROM"), std::string::npos);
  EXPECT_EQ(tileSheetReadout(std::nullopt, 17, 0), "Tile $01");
  EXPECT_EQ(tileSheetReadout(0x40000, 255, 255), "Tile $FF \xC2\xB7 CHR at file 0x41000");
  EXPECT_EQ(paletteSetReadout(0), "ROM palette");
  EXPECT_EQ(paletteSetReadout(2), "palette set 2 of 5");
}

// For every palette square: change it alone, export, and the one changed byte (colour 0 of a
// palette is stored alone here, not as a group) is where the readout says.
TEST(PointerReadout, PaletteSquaresAreSavedWhereTheReadoutSays) {
  const RomImage demo = buildDemoImage();
  const EditorState start = demoState();
  RomImage plain = demo;
  EditorState unchanged = start;
  ASSERT_TRUE(exportTitleScreen(unchanged, plain));
  const auto check = [&](std::uint8_t target, int index, auto change) {
    EditorState state = start;
    change(state);
    RomImage rom = demo;
    ASSERT_TRUE(exportTitleScreen(state, rom));
    const std::int32_t offset = savedPaletteOffset(target, index);
    EXPECT_NE(rom.body.at(offset), plain.body.at(offset)) << int(target) << " " << index;
  };
  for (int i = 0; i < 32; ++i)
    check(kTargetRomPalette, i, [i](EditorState& s) { s.romPalette[i] ^= 0x15; });
  for (int i = 16; i < 80; ++i)
    check(kTargetBackgroundSets, i, [i](EditorState& s) { s.bkgPalettes[i] ^= 0x15; });
  for (int i = 0; i < 7; ++i)
    check(kTargetCoinPalette, i, [i](EditorState& s) { s.coinPalette[i] ^= 0x15; });
}

}  // namespace
}  // namespace pelmora
