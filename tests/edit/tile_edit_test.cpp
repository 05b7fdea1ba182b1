#include "edit/tile_edit.h"

#include <gtest/gtest.h>

#include <random>

#include "state/tile_usage.h"

namespace pelmora {
namespace {

TilePixels randomTile(std::mt19937& random) {
  TilePixels pixels{};
  for (auto& value : pixels) value = static_cast<std::uint8_t>(random() & 3u);
  return pixels;
}

TEST(TileEdit, TurnsAndFlipsComposeAsTheSquaresSymmetriesDo) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    const TilePixels tile = randomTile(random);
    const TilePixels right = rotatedClockwise(tile);
    EXPECT_EQ(rotatedClockwise(rotatedClockwise(right)),
              flippedHorizontally(flippedVertically(right)));
    EXPECT_EQ(rotatedClockwise(rotatedClockwise(rotatedClockwise(right))), tile);
    EXPECT_EQ(flippedHorizontally(flippedHorizontally(tile)), tile);
    EXPECT_EQ(flippedVertically(flippedVertically(tile)), tile);
  }
  // A quarter turn right takes the top-left pixel to the top-right corner.
  const TilePixels corner = withPixel(clearedTile(), 0, 0, 3);
  EXPECT_EQ(pixelAt(rotatedClockwise(corner), 7, 0), 3);
  EXPECT_EQ(pixelAt(flippedHorizontally(corner), 7, 0), 3);
  EXPECT_EQ(pixelAt(flippedVertically(corner), 0, 7), 3);
  EXPECT_EQ(withPixel(corner, 8, 0, 1), corner) << "outside the tile changes nothing";
}

TEST(TileEdit, APastedTileReplacesExactlyItsSixtyFourPixels) {
  EditorState state;
  std::mt19937 random(3);
  const TilePixels copied = randomTile(random);
  const EditorState pasted = withTilePixels(state, 0x41, copied);
  EXPECT_EQ(tilePixels(pasted.tileSheet, 0x41), copied);
  TileSheet expected = state.tileSheet;
  std::copy(copied.begin(), copied.end(), expected.begin() + 0x41 * 64);
  EXPECT_EQ(pasted.tileSheet, expected);
  TileSheet sheet = pasted.tileSheet;
  EXPECT_FALSE(setTilePixels(sheet, 0x41, copied)) << "the same pixels are no change";
}

TEST(TileUsage, FreeTilesAtTheBordersOfTheCarriedArea) {
  PpuImage ppu{};
  std::fill(ppu.begin() + 0x2000, ppu.begin() + 0x2C00, 0xFC);
  ppu[0x2000 + 23 * 32 + 31] = 0x10;  // name table 0 row 23: carried, replaced by an import
  ppu[0x2000 + 24 * 32] = 0x11;       // row 24: not carried
  ppu[0x2800 + 27 * 32 + 5] = 0x12;   // name table 2 row 27: carried
  ppu[0x2800 + 28 * 32] = 0x13;       // row 28: not carried
  const auto counts = countCarriedTileUses(ppu);
  EXPECT_EQ(counts[0x10], 1);
  EXPECT_EQ(counts[0x11], 0);
  EXPECT_EQ(counts[0x12], 1);
  EXPECT_EQ(counts[0x13], 0);
  EXPECT_EQ(counts[0xFC], 24 * 32 + 4 * 32 - 2);
  EXPECT_EQ(carriedCellsUsing(ppu, 0x12), (std::vector<TileCell>{{2, 5, 27}}));

  const auto free = freeTiles(countCarriedTileUses(ppu, {true, false}));
  EXPECT_TRUE(free[0x10]) << "used only in a cell the import replaces";
  EXPECT_TRUE(free[0x11]);
  EXPECT_FALSE(free[0x12]);
  EXPECT_FALSE(free[0xFC]);
  EXPECT_FALSE(freeTiles(countCarriedTileUses(ppu, {true, true}))[0xFC]) << "$FC is never free";
}

}  // namespace
}  // namespace pelmora
