#include "edit/tile_placement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pelmora {
namespace {

// Addresses of `after` that differ from `before`.
std::vector<int> changedAddresses(const PpuImage& before, const PpuImage& after) {
  std::vector<int> changed;
  for (int address = 0; address < static_cast<int>(before.size()); ++address) {
    if (before[address] != after[address]) changed.push_back(address);
  }
  return changed;
}

TEST(ChooseTile, SheetPositionsGiveRowTimesSixteenPlusColumn) {
  struct Case {
    double x, y;
    int tile;
  };
  for (const Case& c : {Case{0, 0, 0x00}, Case{17, 0, 0x01}, Case{255, 255, 0xFF}, Case{15.4, 16, 0x10},
                        Case{176, 80, 0x5B}, Case{191, 95, 0x5B}, Case{160, 0, 0x0A}}) {
    EditorState state;
    ASSERT_TRUE(chooseTile(state, c.x, c.y));
    EXPECT_EQ(state.selectedTile, c.tile) << c.x << "," << c.y;
    EXPECT_EQ(tileSheetX(state.selectedTile), c.tile % 16 * 16);
    EXPECT_EQ(tileSheetY(state.selectedTile), c.tile / 16 * 16);
  }
  EXPECT_EQ(tileIdCaption(0), "00");
  EXPECT_EQ(tileIdCaption(10), "0A");
  EXPECT_EQ(tileIdCaption(255), "FF");
}

TEST(ChooseTile, PressesOutsideTheSheetChangeNothing) {
  EditorState state;
  state.selectedTile = 0x42;
  for (auto [x, y] : {std::pair{-1.0, 0.0}, {256.0, 0.0}, {0.0, -0.6}, {0.0, 255.6}, {NAN, 3.0}}) {
    EXPECT_FALSE(chooseTile(state, x, y));
    EXPECT_EQ(state.selectedTile, 0x42);
  }
  // Rounding happens before the range test: 255.4 is 255, -0.4 is 0, 255.5 is 256.
  EXPECT_TRUE(chooseTile(state, 255.4, -0.4));
  EXPECT_EQ(state.selectedTile, 0x0F);
  EXPECT_FALSE(chooseTile(state, 255.5, 0));
  EXPECT_EQ(state.selectedTile, 0x0F);
}

TEST(PlaceTile, WritesOnlyTheTileByteUnderThePress) {
  struct Case {
    int nameTable;
    double x, y;
    int address;
  };
  for (const Case& c : {Case{0, 0, 0, 0x2000}, Case{0, 255, 239, 0x23BF}, Case{2, 8, 8, 0x2821},
                        Case{2, 7, 239, 0x2BA0}, Case{0, 100, 50, 0x2000 + 6 * 32 + 12},
                        // Halves go to the even neighbour: 7.5 is 8, 6.5 is 6, 8.5 is 8.
                        Case{0, 7.5, 0, 0x2001}, Case{0, 6.5, 0, 0x2000}, Case{0, 8.5, 15.5, 0x2041}}) {
    EditorState state;
    state.selectedTile = 0xA7;
    const PpuImage before = state.ppuImage;
    ASSERT_TRUE(placeTile(state, c.nameTable, c.x, c.y));
    EXPECT_EQ(changedAddresses(before, state.ppuImage), std::vector<int>{c.address});
  }
  EditorState state;
  state.selectedTile = 0xA7;
  for (auto [x, y] : {std::pair{-1.0, 0.0}, {256.0, 0.0}, {0.0, 240.0}, {0.0, -1.0}}) {
    EXPECT_FALSE(placeTile(state, 0, x, y));
  }
  EXPECT_EQ(state.ppuImage, PpuImage{});
}

TEST(CopyTilePreview, EnlargesTheSheetCellTwice) {
  Surface sheet(256, 256);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) sheet.setPixel(176 + x, 80 + y, (y << 8) | x);
  }
  Surface preview(32, 32);
  copyTilePreview(sheet, 0x5B, preview);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(preview.pixel(x, y), static_cast<std::uint32_t>(((y / 2) << 8) | (x / 2)));
  }
}

}  // namespace
}  // namespace pelmora
