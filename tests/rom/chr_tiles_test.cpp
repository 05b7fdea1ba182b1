#include "rom/chr_tiles.h"

#include <gtest/gtest.h>

#include <random>

namespace pelmora {
namespace {

std::vector<std::uint8_t> oneTile(std::uint8_t low, std::uint8_t high) {
  std::vector<std::uint8_t> tile(16, 0);
  tile[0] = low;
  tile[8] = high;
  return tile;
}

std::vector<std::uint8_t> rowOf(const TileSheet& sheet) { return {sheet.begin(), sheet.begin() + 8}; }

TEST(DecodeChrTiles, PlanesCombineWithBitSevenOnTheLeft) {
  TileSheet sheet;
  ASSERT_TRUE(decodeChrTiles(oneTile(0x80, 0x00), 0, 1, sheet));
  EXPECT_EQ(rowOf(sheet), (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(decodeChrTiles(oneTile(0x01, 0x01), 0, 1, sheet));
  EXPECT_EQ(rowOf(sheet), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 3}));
  ASSERT_TRUE(decodeChrTiles(oneTile(0x00, 0xFF), 0, 1, sheet));
  EXPECT_EQ(rowOf(sheet), std::vector<std::uint8_t>(8, 2));
  EXPECT_EQ(std::count(sheet.begin() + 8, sheet.end(), 0), 56);
}

TEST(DecodeChrTiles, TilesFollowEachOtherSixteenBytesApart) {
  std::vector<std::uint8_t> body(3 + 32, 0);
  body[3 + 16 + 7] = 0xFF;  // tile 1, plane 0, row 7
  TileSheet sheet;
  ASSERT_TRUE(decodeChrTiles(body, 3, 2, sheet));
  ASSERT_EQ(sheet.size(), 128u);
  EXPECT_EQ(std::count(sheet.begin(), sheet.begin() + 64, 0), 64);
  EXPECT_EQ(std::vector<std::uint8_t>(sheet.begin() + 64 + 56, sheet.end()), std::vector<std::uint8_t>(8, 1));
}

TEST(DecodeChrTiles, RangeFailuresLeaveTheSheetAlone) {
  const std::vector<std::uint8_t> body(16 * 4, 0x55);
  TileSheet sheet(7, 9);
  EXPECT_FALSE(decodeChrTiles(body, 16, 4, sheet));   // runs past the body
  EXPECT_FALSE(decodeChrTiles(body, -16, 1, sheet));
  EXPECT_FALSE(decodeChrTiles(std::vector<std::uint8_t>(16 * 600), 0, 512, sheet));
  EXPECT_FALSE(decodeChrTiles(body, 0, -1, sheet));
  EXPECT_EQ(sheet, TileSheet(7, 9));
  ASSERT_TRUE(decodeChrTiles(body, 0, 0, sheet));
  EXPECT_TRUE(sheet.empty());
}

TEST(LoadChrBank, StartsAfterPrgAndAlwaysDecodes256Tiles) {
  RomImage rom;
  rom.header[4] = 2;
  rom.body.assign(2 * 16384 + 5 * 1024 + 4096, 0);
  rom.body[2 * 16384 + 5 * 1024] = 0x80;  // first tile of 1 KiB bank 5
  rom.body.back() = 0x01;                 // plane 1 of row 7 of the last tile
  TileSheet sheet;
  ASSERT_TRUE(loadChrBank(rom, sheet, 5, 3));
  ASSERT_EQ(sheet.size(), 256u * 64);
  EXPECT_EQ(sheet[0], 1);
  EXPECT_EQ(sheet.back(), 2);
  EXPECT_FALSE(loadChrBank(rom, sheet, 6, 3));
  EXPECT_EQ(chrBankSize(1), 4096);
  EXPECT_EQ(chrBankSize(2), 2048);
  EXPECT_EQ(chrBankSize(0), 8192);
}

TEST(EncodeChrTiles, IsTheExactInverseOfDecodingOnRandomBanks) {
  std::mt19937 random(14);
  for (int bank = 0; bank < 20; ++bank) {
    std::vector<std::uint8_t> body(5 + 4096 + 7);
    for (auto& byte : body) byte = static_cast<std::uint8_t>(random());
    const std::vector<std::uint8_t> original = body;
    TileSheet sheet;
    ASSERT_TRUE(decodeChrTiles(body, 5, 256, sheet));
    std::fill(body.begin() + 5, body.end() - 7, 0);
    ASSERT_TRUE(encodeChrTiles(sheet, 256, body, 5));
    ASSERT_EQ(body, original) << "bank " << bank;
  }
}

TEST(EncodeChrTiles, RangeFailuresLeaveTheBodyAlone) {
  std::vector<std::uint8_t> body(64, 0x5A);
  const TileSheet sheet(4 * 64, 3);
  EXPECT_FALSE(encodeChrTiles(sheet, 4, body, 1));       // runs past the body
  EXPECT_FALSE(encodeChrTiles(sheet, 5, body, 0));       // more tiles than the sheet holds
  EXPECT_FALSE(encodeChrTiles(sheet, -1, body, 0));
  EXPECT_FALSE(encodeChrTiles(sheet, 1, body, -16));
  EXPECT_EQ(body, std::vector<std::uint8_t>(64, 0x5A));
  ASSERT_TRUE(encodeChrTiles(sheet, 4, body, 0));
  EXPECT_EQ(body, std::vector<std::uint8_t>(64, 0xFF));
}

}  // namespace
}  // namespace pelmora
