#include "rom/title_export.h"

#include <gtest/gtest.h>

#include "rom/rom_word.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::blankTitleImage;
using testing::putList;

// Body offsets where two images differ.
std::vector<std::size_t> differences(const RomImage& a, const RomImage& b) {
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < a.body.size() && i < b.body.size(); ++i) {
    if (a.body[i] != b.body[i]) offsets.push_back(i);
  }
  return offsets;
}

class TitleExport : public ::testing::Test {
 protected:
  void SetUp() override {
    rom = blankTitleImage();
    // Slot 35 leads to where the export puts list 35's records, so exports re-import whole.
    putList(rom, 35, title::kExportedList35, {0x22, 0xE0, 0x60, 0x35, 0x2B, 0x00, 0x60, 0x44, 0x00});
    putList(rom, 12, 0x33000, {0x20, 0x80, 0x43, 0x07, 0x23, 0xC8, 0x02, 0x55, 0xAA, 0x00});
    putList(rom, 34, 0x33020, {0x3F, 0x00, 0x03, 0x0F, 0x21, 0x31, 0x00});
    ASSERT_TRUE(importTitleScreen(rom, state));
  }

  void exportOnce() { ASSERT_TRUE(exportTitleScreen(state, rom)); }

  RomImage rom;
  EditorState state;
};

TEST_F(TitleExport, WritesTheFixedLayoutAndItsPointers) {
  exportOnce();
  const std::vector<std::pair<int, std::int32_t>> starts = {
      {8, 0x3276D},  {9, 0x32791},  {13, 0x32821}, {29, 0x32A61}, {30, 0x33520},
      {31, 0x33544}, {32, 0x33568}, {33, 0x3358C}, {34, 0x335B0}, {1, 0x335C4}};
  for (const auto& [slot, start] : starts) {
    EXPECT_EQ(*titleListOffset(rom.body, slot), start) << slot;
    EXPECT_EQ(rom.body[title::slotPosition(slot) + 1] & 0xE0, 0xC0) << "a $C000-window pointer";
  }
  // Slot 8: row 0 of name table 0; slot 32: first half of the attribute table.
  EXPECT_EQ(std::vector<std::uint8_t>(rom.body.begin() + 0x3276D, rom.body.begin() + 0x32770),
            (std::vector<std::uint8_t>{0x20, 0x00, 0x20}));
  EXPECT_EQ(rom.body[0x3276D + 35], 0x00);
  EXPECT_EQ(std::vector<std::uint8_t>(rom.body.begin() + 0x33568, rom.body.begin() + 0x3356B),
            (std::vector<std::uint8_t>{0x23, 0xC0, 0x20}));
  // Slot 34: the background palette; list 1: the palette block, then list 35.
  EXPECT_EQ(std::vector<std::uint8_t>(rom.body.begin() + 0x335B0, rom.body.begin() + 0x335B6),
            (std::vector<std::uint8_t>{0x3F, 0x00, 0x10, 0x0F, 0x21, 0x31}));
  EXPECT_EQ(rom.body[0x335C3], 0x00);
  EXPECT_EQ(std::vector<std::uint8_t>(rom.body.begin() + 0x335C4, rom.body.begin() + 0x335C7),
            (std::vector<std::uint8_t>{0x3F, 0x00, 0x20}));
  EXPECT_EQ(std::vector<std::uint8_t>(rom.body.begin() + 0x335E7, rom.body.begin() + 0x335EA),
            (std::vector<std::uint8_t>{0x22, 0xE0, 0x20}));
  EXPECT_EQ(rom.body[0x335E7 + 35 * 4], 0x2B);
  EXPECT_EQ(rom.body[0x335E7 + 35 * 4 + 1], 0x60);
  EXPECT_EQ(rom.body[0x33696], 0x00);
  // Area A's last 21 bytes are not written.
  EXPECT_EQ(rom.body[0x32A85], 0);
  // Slot 35 itself and slots 0, 2-7 keep their pointers.
  EXPECT_EQ(*titleListOffset(rom.body, 35), title::kExportedList35);
  EXPECT_EQ(rom.body[title::slotPosition(2)], 0);
}

TEST_F(TitleExport, ASecondExportChangesNothingAndReimportKeepsTheScreen) {
  exportOnce();
  const RomImage first = rom;
  exportOnce();
  EXPECT_EQ(rom, first);

  EditorState again;
  ASSERT_TRUE(importTitleScreen(rom, again));
  for (std::uint16_t address = 0x2000; address < 0x2300; ++address) {
    ASSERT_EQ(again.ppuImage[address], state.ppuImage[address]) << address;
  }
  for (std::uint16_t address = 0x23C0; address < 0x2400; ++address) {
    ASSERT_EQ(again.ppuImage[address], state.ppuImage[address]) << address;
  }
  for (std::uint16_t address = 0x2B00; address < 0x2B80; ++address) {
    ASSERT_EQ(again.ppuImage[address], state.ppuImage[address]) << address;
  }
  EXPECT_EQ(again.stream35Row, state.stream35Row);
  EXPECT_EQ(again.romPalette, state.romPalette);
  EXPECT_EQ(again.bkgPalettes, state.bkgPalettes);
  EXPECT_EQ(again.coinPalette, state.coinPalette);
  EXPECT_EQ(again.coinEnabled, state.coinEnabled);
}

TEST_F(TitleExport, AnEditLandsInExactlyItsOwnBytes) {
  exportOnce();
  struct Edit {
    std::uint16_t address;
    std::vector<std::size_t> expected;
  };
  const std::vector<Edit> edits = {
      {0x20A0 + 7, {0x32824 + 7}},         // row 5, column 7: slot 13
      {0x23C0 + 5, {0x33568 + 3 + 5}},     // attribute byte 5: slot 32
      {0x23C0 + 40, {0x3358C + 3 + 8}},    // attribute byte 40: slot 33
      {0x22E0 + 3, {0x33544 + 3 + 3}},     // row 23: slot 31 only
      {0x2B20 + 1, {0x335E7 + 35 * 2 + 3 + 1}},  // name table 2 row 25: list 35
      {0x2300, {}},                        // name table 0 row 24: not exported
      {0x2810, {}},                        // name table 2 row 0: not exported
      {0x2B80, {}},                        // name table 2 row 28: not exported
  };
  for (const Edit& edit : edits) {
    const RomImage before = rom;
    state.ppuImage[edit.address] ^= 0x5A;
    exportOnce();
    EXPECT_EQ(differences(before, rom), edit.expected) << std::hex << edit.address;
  }
}

TEST_F(TitleExport, CoinSwitchWritesBothCallSites) {
  state.coinEnabled = false;
  exportOnce();
  for (std::int32_t site : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rom.body[site + i], 0xEA);
  }
  EditorState reimported;
  ASSERT_TRUE(importTitleScreen(rom, reimported));
  EXPECT_FALSE(reimported.coinEnabled);
  state.coinEnabled = true;
  exportOnce();
  for (std::int32_t site : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    EXPECT_EQ(rom.body[site], 0x20);
    EXPECT_EQ(rom.body[site + 1], 0x7D);
    EXPECT_EQ(rom.body[site + 2], 0xAA);
  }
}

TEST_F(TitleExport, PalettesGoBackToTheirPlacesAndSetZeroIntoThePpu) {
  state.romPalette[31] = 0x2A;
  state.bkgPalettes[2] = 0x19;
  state.bkgPalettes[16 * 4 + 15] = 0x3C;
  state.coinPalette[6] = 0x27;
  exportOnce();
  EXPECT_EQ(rom.body[0x335C7 + 31], 0x2A);
  EXPECT_EQ(state.ppuImage[0x3F02], 0x19);
  EXPECT_EQ(rom.body[0x335B0 + 3 + 2], 0x19);
  EXPECT_EQ(rom.body[0x32AEE + 15], 0x3C);
  EXPECT_EQ(rom.body[0x30AAA + 6], 0x27);
}

TEST_F(TitleExport, AnImageTooShortForTheLayoutIsLeftUntouched) {
  rom.body.resize(title::kExportEnd - 1);
  state.bkgPalettes[0] = 0x2C;
  const RomImage romBefore = rom;
  const EditorState stateBefore = state;
  const Status exported = exportTitleScreen(state, rom);
  ASSERT_FALSE(exported);
  EXPECT_NE(exported.error().what.find("0x33697"), std::string::npos) << exported.error().what;
  EXPECT_EQ(rom, romBefore);
  EXPECT_EQ(state, stateBefore);

  rom.body.resize(title::kExportEnd);
  EXPECT_FALSE(exportTitleScreen(state, rom)) << "tile bank 30 lies past the shortened body";
  EXPECT_EQ(state, stateBefore);
  rom.header[4] = 4;  // tile bank 30 at 0x2E000, inside the shortened body
  EXPECT_TRUE(exportTitleScreen(state, rom)) << "the layout needs no byte beyond 0x33696";
}

TEST_F(TitleExport, ATileEditIsSavedAtExactlyItsSixteenBytes) {
  exportOnce();
  const RomImage before = rom;
  exportOnce();
  EXPECT_EQ(rom, before) << "an image with no tile edit keeps every tile byte";
  const std::size_t tile = 0x5B;
  state.tileSheet[tile * 64 + 0] = 1;   // row 0, plane 0
  state.tileSheet[tile * 64 + 63] = 2;  // row 7, plane 1
  exportOnce();
  const std::size_t first = 16 * 16384 + 30 * 4096 + tile * 16;
  EXPECT_EQ(differences(before, rom), (std::vector<std::size_t>{first, first + 15}));
  EXPECT_EQ(rom.body[first], 0x80);
  EXPECT_EQ(rom.body[first + 15], 0x01);
}

TEST_F(TitleExport, ASheetWithoutAllTilesIsRefusedBeforeAnyWrite) {
  state.tileSheet.pop_back();
  const RomImage before = rom;
  EXPECT_FALSE(exportTitleScreen(state, rom));
  EXPECT_EQ(rom, before);
}

TEST(BuildUpdateList, ListLengthsAreFixedPerSlot) {
  const PpuImage ppu{};
  EXPECT_EQ(buildUpdateList(8, ppu).size(), 36u);
  EXPECT_EQ(buildUpdateList(33, ppu).size(), 36u);
  EXPECT_EQ(buildUpdateList(34, ppu).size(), 20u);
  EXPECT_EQ(buildUpdateList(35, ppu).size(), 176u);
  EXPECT_TRUE(buildUpdateList(7, ppu).empty());
  EXPECT_TRUE(buildUpdateList(36, ppu).empty());
  EXPECT_EQ(titlePointerBytes(0x3276D), (std::array<std::uint8_t, 2>{0x6D, 0xC7}));
  EXPECT_EQ(titlePointerBytes(0x335E7), (std::array<std::uint8_t, 2>{0xE7, 0xD5}));
}

}  // namespace
}  // namespace pelmora
