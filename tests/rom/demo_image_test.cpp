#include "demo/demo_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "demo/demo_colours.h"
#include "demo/demo_screen.h"
#include "demo/demo_tiles.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"

namespace pelmora {
namespace {

constexpr std::array<int, 29> kUsedSlots = {1,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                            17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                            27, 28, 29, 30, 31, 32, 33, 34, 35};

// Which record forms a list uses, found by walking it the way the game reads it.
struct RecordForms {
  bool plain = false;
  bool repeat = false;
  bool step32Plain = false;
  bool step32Repeat = false;
  bool countZero = false;
  bool addressTopBits = false;
  bool empty = false;
};

// Walks the list at `offset` and returns the offset of its end byte, or -1 if it runs past
// `limit`.
std::int64_t walkList(const std::vector<std::uint8_t>& body, std::int64_t offset,
                      std::int64_t limit, RecordForms& forms) {
  forms.empty = forms.empty || body[static_cast<std::size_t>(offset)] == 0;
  while (offset < limit && body[static_cast<std::size_t>(offset)] != 0) {
    if (offset + 3 >= limit) return -1;
    const std::uint8_t high = body[static_cast<std::size_t>(offset)];
    const std::uint8_t control = body[static_cast<std::size_t>(offset + 2)];
    const bool step32 = control & 0x80;
    const bool repeat = control & 0x40;
    const int count = (control & 0x3F) == 0 ? 256 : control & 0x3F;
    forms.addressTopBits |= (high & 0xC0) != 0;
    forms.countZero |= (control & 0x3F) == 0;
    if (repeat) {
      (step32 ? forms.step32Repeat : forms.repeat) = true;
      offset += 4;
    } else {
      (step32 ? forms.step32Plain : forms.plain) = true;
      offset += 3 + count;
    }
  }
  return offset < limit ? offset : -1;
}

class DemoImageTest : public ::testing::Test {
 protected:
  DemoLayout layout;
  RomImage rom = buildDemoImage(&layout);
  DemoLayout variedLayout;
  RomImage varied = buildDemoImageWithVariedLists(&variedLayout);
};

TEST_F(DemoImageTest, HeaderAndSizesAreThoseOfTheTargetLayout) {
  EXPECT_EQ(rom.header[0], 'N');
  EXPECT_EQ(rom.header[1], 'E');
  EXPECT_EQ(rom.header[2], 'S');
  EXPECT_EQ(rom.header[3], 0x1A);
  EXPECT_EQ(rom.header[4], 16);
  EXPECT_EQ(rom.header[5], 16);
  EXPECT_EQ(rom.body.size(), 0x60000u);
  EXPECT_EQ(rom.chrOffset(), 0x40000u);
}

TEST_F(DemoImageTest, IsTheSameOnEveryBuild) {
  DemoLayout again;
  EXPECT_EQ(buildDemoImage(&again), rom);
  EXPECT_EQ(again.listOffset, layout.listOffset);
  EXPECT_EQ(again.listLength, layout.listLength);
}

TEST_F(DemoImageTest, PointersLeadIntoBank25AndSlot35ToWhereTheExportPutsList35) {
  for (int slot : kUsedSlots) {
    const auto at = static_cast<std::size_t>(title::slotPosition(slot));
    const int pointer = rom.body[at] | rom.body[at + 1] << 8;
    EXPECT_GE(pointer, 0xC000) << "slot " << slot;
    EXPECT_LT(pointer, 0xE000) << "slot " << slot;
    const Expected<std::int32_t> offset = titleListOffset(rom.body, slot);
    ASSERT_TRUE(offset) << "slot " << slot;
    EXPECT_EQ(*offset, layout.listOffset[static_cast<std::size_t>(slot)]) << "slot " << slot;
    EXPECT_GE(*offset, title::kBankStart);
    EXPECT_LT(*offset + layout.listLength[static_cast<std::size_t>(slot)], title::kBankEnd + 1);
  }
  EXPECT_EQ(*titleListOffset(rom.body, 35), title::kExportedList35);
}

TEST_F(DemoImageTest, ListsEndWhereTheLayoutSays) {
  for (const auto& [image, placed] : {std::pair{&rom, &layout}, {&varied, &variedLayout}}) {
    RecordForms forms;
    for (int slot : kUsedSlots) {
      const auto index = static_cast<std::size_t>(slot);
      // List 1 of the saved layout is the palette record running on into list 35's records.
      const std::int64_t start = placed->listOffset[index] +
                                 (slot == title::kPaletteSlot ? title::kPaletteRecordHeader + 32 : 0);
      if (slot == title::kPaletteSlot && image == &varied) continue;
      const std::int64_t end = walkList(image->body, start, title::kBankEnd, forms);
      EXPECT_EQ(end, placed->listOffset[index] + placed->listLength[index] - 1) << "slot " << slot;
    }
  }
}

TEST_F(DemoImageTest, HandWrittenListsTogetherUseEveryRecordForm) {
  RecordForms forms;
  for (int slot : kUsedSlots) {
    if (slot == title::kPaletteSlot) continue;
    walkList(varied.body, variedLayout.listOffset[static_cast<std::size_t>(slot)], title::kBankEnd,
             forms);
  }
  EXPECT_TRUE(forms.plain);
  EXPECT_TRUE(forms.repeat);
  EXPECT_TRUE(forms.step32Plain);
  EXPECT_TRUE(forms.step32Repeat);
  EXPECT_TRUE(forms.countZero);
  EXPECT_TRUE(forms.addressTopBits);
  EXPECT_TRUE(forms.empty);
}

TEST_F(DemoImageTest, HandWrittenListsKeepClearOfTheExportAreasTheAlternativeSetsAndEachOther) {
  struct Span {
    std::int32_t begin, end;
    bool overlaps(const Span& other) const { return begin < other.end && other.begin < end; }
  };
  const std::vector<Span> reserved = {
      {title::kPointerTable, title::slotPosition(36)},
      {title::kAreaA, title::kAreaALimit},
      {title::kAreaB, title::kExportEnd},
      {title::kAlternativeSets.front(), title::kAlternativeSets.back() + 16},
  };
  std::vector<Span> lists;
  for (int slot : kUsedSlots) {
    const auto index = static_cast<std::size_t>(slot);
    const Span list{variedLayout.listOffset[index],
                    variedLayout.listOffset[index] + variedLayout.listLength[index]};
    for (const Span& earlier : lists) EXPECT_FALSE(list.overlaps(earlier)) << "slot " << slot;
    lists.push_back(list);
    if (slot == title::kFirstListSlot) continue;  // list 35 lies where the export writes its own
    for (const Span& area : reserved) EXPECT_FALSE(list.overlaps(area)) << "slot " << slot;
  }
  EXPECT_EQ(varied.body[static_cast<std::size_t>(title::kCoinCallFirst)], 0x20);
  EXPECT_TRUE(std::equal(title::kCoinCallOn.begin(), title::kCoinCallOn.end(),
                         varied.body.begin() + title::kCoinCallSecond));
}

TEST_F(DemoImageTest, ImportShowsTheComposedScreenAndPalettes) {
  EditorState state;
  ASSERT_TRUE(importTitleScreen(rom, state));
  const demo::DemoTiles tiles = demo::drawDemoTiles();
  const demo::DemoScreen screen = demo::composeDemoScreen(tiles);
  EXPECT_EQ(state.ppuImage, screen.final);
  EXPECT_TRUE(std::equal(state.stream35Row.begin(), state.stream35Row.end(),
                         screen.firstList.begin() + title::kRow23));
  EXPECT_FALSE(std::equal(state.stream35Row.begin(), state.stream35Row.end(),
                          screen.final.begin() + title::kRow23))
      << "a later list should replace list 35's row 23";
  EXPECT_EQ(state.romPalette, demo::kRomPalette);
  EXPECT_TRUE(std::equal(demo::kListBackground.begin(), demo::kListBackground.end(),
                         state.bkgPalettes.begin()));
  EXPECT_TRUE(std::equal(demo::kAlternativeBackgrounds[3].begin(),
                         demo::kAlternativeBackgrounds[3].end(), state.bkgPalettes.begin() + 64));
  EXPECT_EQ(state.coinPalette, demo::kCoinPalette);
  EXPECT_TRUE(state.coinEnabled);

  // Tile 0xFC is the blank background; every other tile of the logo has pixels of its own.
  const auto tilePixels = [&state](std::uint8_t tile) {
    return std::vector<std::uint8_t>(state.tileSheet.begin() + tile * kTilePixels,
                                     state.tileSheet.begin() + (tile + 1) * kTilePixels);
  };
  EXPECT_EQ(tilePixels(demo::tile::kBlank), std::vector<std::uint8_t>(kTilePixels, 0));
  std::set<std::uint8_t> logoTiles(tiles.logo.begin(), tiles.logo.end());
  logoTiles.erase(demo::tile::kBlank);
  EXPECT_GE(logoTiles.size(), 20u);
  for (std::uint8_t tile : logoTiles) {
    EXPECT_NE(tilePixels(tile), std::vector<std::uint8_t>(kTilePixels, 0)) << "tile " << int{tile};
  }
}

TEST_F(DemoImageTest, ScreenUsesEveryBackgroundPalette) {
  const demo::DemoScreen screen = demo::composeDemoScreen(demo::drawDemoTiles());
  std::set<int> palettes;
  for (std::size_t address = 0x23C0; address < 0x2400; ++address) {
    for (int shift = 0; shift < 8; shift += 2) palettes.insert(screen.final[address] >> shift & 3);
  }
  EXPECT_EQ(palettes.size(), 4u);
}

TEST_F(DemoImageTest, HandWrittenListsOpenAsTheDemo) {
  EditorState demoState;
  ASSERT_TRUE(importTitleScreen(rom, demoState));
  EditorState state;
  ASSERT_TRUE(importTitleScreen(varied, state));
  EXPECT_EQ(state, demoState);
}

}  // namespace
}  // namespace pelmora
