#include "rom/title_import.h"

#include <gtest/gtest.h>

#include <regex>

#include "rom/title_layout.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::blankTitleImage;
using testing::putList;

TEST(ImportTitleScreen, BlankImageGivesBlankTilesAndZeroEverythingElse) {
  const RomImage rom = blankTitleImage();
  EditorState state;
  ASSERT_TRUE(importTitleScreen(rom, state));
  for (std::uint16_t table : {0x2000, 0x2400, 0x2800, 0x2C00}) {
    EXPECT_EQ(state.ppuImage[table], 0xFC);
    EXPECT_EQ(state.ppuImage[table + 959], 0xFC);
    EXPECT_EQ(state.ppuImage[table + 960], 0x00) << "attribute table stays 0";
    EXPECT_EQ(state.ppuImage[table + 1023], 0x00);
  }
  EXPECT_EQ(state.ppuImage[0x1FFF], 0);
  EXPECT_EQ(state.ppuImage[0x3F00], 0);
  EXPECT_EQ(std::count(state.stream35Row.begin(), state.stream35Row.end(), 0xFC), 32);
  EXPECT_EQ(state.bkgPalettes, decltype(state.bkgPalettes){});
  EXPECT_FALSE(state.coinEnabled);
}

TEST(ImportTitleScreen, PlaysList35FirstAndKeepsItsRow23) {
  RomImage rom = blankTitleImage();
  // List 35 writes $2105 and row 23; list 20 overwrites both.
  putList(rom, 35, 0x33000, {0x21, 0x05, 0x01, 0x11, 0x22, 0xE0, 0x60, 0x35, 0x00});
  putList(rom, 20, 0x33010, {0x21, 0x05, 0x01, 0x22, 0x22, 0xE0, 0x60, 0x20, 0x00});
  EditorState state;
  ASSERT_TRUE(importTitleScreen(rom, state));
  EXPECT_EQ(state.ppuImage[0x2105], 0x22);
  EXPECT_EQ(state.ppuImage[0x22E0], 0x20);
  EXPECT_EQ(std::count(state.stream35Row.begin(), state.stream35Row.end(), 0x35), 32);
}

TEST(ImportTitleScreen, ReadsPalettesFromTheirFixedPlaces) {
  RomImage rom = blankTitleImage();
  std::vector<std::uint8_t> block = {0x3F, 0x00, 0x20};
  for (int i = 0; i < 32; ++i) block.push_back(static_cast<std::uint8_t>(i + 0x10));
  block.push_back(0x00);
  putList(rom, 1, 0x33100, block);
  putList(rom, 34, 0x33200, {0x3F, 0x00, 0x04, 0x0F, 0x30, 0x16, 0x47, 0x00});
  for (int set = 0; set < 4; ++set) {
    for (int k = 0; k < 16; ++k) rom.body[title::kAlternativeSets[set] + k] = static_cast<std::uint8_t>(set * 16 + k);
  }
  for (int k = 0; k < 7; ++k) rom.body[title::kCoinPalette + k] = static_cast<std::uint8_t>(0x30 + k);
  rom.body[title::kCoinCallFirst] = 0x20;

  EditorState state;
  ASSERT_TRUE(importTitleScreen(rom, state));
  for (int i = 0; i < 32; ++i) EXPECT_EQ(state.romPalette[i], i + 0x10);
  EXPECT_EQ(state.viewPalette, state.romPalette);
  EXPECT_EQ(state.bkgPalettes[0], 0x0F);
  EXPECT_EQ(state.bkgPalettes[3], 0x47) << "bytes above 63 are kept as found";
  EXPECT_EQ(state.bkgPalettes[4], 0x00);
  for (int i = 16; i < 80; ++i) EXPECT_EQ(state.bkgPalettes[i], i - 16);
  EXPECT_EQ(state.coinPalette[6], 0x36);
  EXPECT_TRUE(state.coinEnabled);

  rom.body[title::kCoinCallFirst] = 0xEA;
  ASSERT_TRUE(importTitleScreen(rom, state));
  EXPECT_FALSE(state.coinEnabled);
}

TEST(ImportTitleScreen, FailsOnDamagedImagesWithoutTouchingTheState) {
  RomImage good = blankTitleImage();
  good.header[4] = 0;  // CHR from body 0: bank 30 at 0x1E000, so cuts past it reach the lists
  putList(good, 9, 0x33300, {0x20, 0x00, 0x01, 0x42, 0x00});
  EditorState state;
  ASSERT_TRUE(importTitleScreen(good, state));
  const EditorState before = state;

  // Cut at every fixed place the import reads, and in the CHR bank.
  for (std::size_t length : {std::size_t{0x100}, std::size_t{0x1E800}, std::size_t{0x30AB0},
                             std::size_t{0x30ADA}, std::size_t{0x325E0}, std::size_t{0x32625},
                             std::size_t{0x32AC0}, std::size_t{0x33301}, std::size_t{0x33F00}}) {
    RomImage cut = good;
    cut.body.resize(length);
    const Status imported = importTitleScreen(cut, state);
    EXPECT_FALSE(imported) << length;
    if (!imported) {
      // Positions are written in hex: no long decimal number, and a hex one names the cut.
      EXPECT_FALSE(std::regex_search(imported.error().what, std::regex("[^x0-9A-F][0-9]{4,}")))
          << imported.error().what;
      EXPECT_NE(imported.error().what.find("0x"), std::string::npos) << imported.error().what;
    }
    EXPECT_EQ(state, before) << length;
  }
  // A list without an end byte runs off the end of the image.
  RomImage endless = good;
  endless.body.resize(0x33304);
  EXPECT_FALSE(importTitleScreen(endless, state));
  EXPECT_EQ(state, before);
}

}  // namespace
}  // namespace pelmora
