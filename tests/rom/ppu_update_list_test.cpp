#include "rom/ppu_update_list.h"

#include <gtest/gtest.h>

#include "rom/rom_word.h"

namespace pelmora {
namespace {

struct Played {
  Status status;
  std::int64_t offset;
  PpuImage ppu;
};

// Plays `list` placed at body offset 4 of a body that ends with it.
Played play(std::vector<std::uint8_t> list) {
  std::vector<std::uint8_t> body(4, 0xEE);
  body.insert(body.end(), list.begin(), list.end());
  Played result{success(), 4, {}};
  result.status = playUpdateList(body, result.offset, result.ppu);
  return result;
}

std::vector<std::uint8_t> concat(std::vector<std::uint8_t> head, std::size_t count, std::uint8_t fill,
                                 std::vector<std::uint8_t> tail) {
  head.insert(head.end(), count, fill);
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

int writtenBytes(const PpuImage& ppu) {
  int count = 0;
  for (std::uint8_t byte : ppu) count += byte != 0;
  return count;
}

TEST(PlayUpdateList, EmptyListWritesNothingAndStaysOnItsEndByte) {
  const Played played = play({0x00});
  ASSERT_TRUE(played.status);
  EXPECT_EQ(played.offset, 4);
  EXPECT_EQ(writtenBytes(played.ppu), 0);
}

TEST(PlayUpdateList, RecordFormsWriteWhereTheHardwareWould) {
  // Plain run, then a step-32 run, then a repeat run, in one list.
  const Played played = play({0x23, 0xC0, 0x08, 1, 2, 3, 4, 5, 6, 7, 8,  //
                              0x20, 0x00, 0x84, 9, 10, 11, 12,            //
                              0x20, 0x41, 0x45, 0xFC,                     //
                              0x00});
  ASSERT_TRUE(played.status);
  EXPECT_EQ(played.offset, 4 + 11 + 7 + 4);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(played.ppu[0x23C0 + i], i + 1);
  EXPECT_EQ(played.ppu[0x2000], 9);
  EXPECT_EQ(played.ppu[0x2020], 10);
  EXPECT_EQ(played.ppu[0x2040], 11);
  EXPECT_EQ(played.ppu[0x2060], 12);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(played.ppu[0x2041 + i], 0xFC);
  EXPECT_EQ(played.ppu[0x2046], 0);
  EXPECT_EQ(writtenBytes(played.ppu), 8 + 4 + 5);
}

TEST(PlayUpdateList, CountFieldZeroMeans256Writes) {
  std::vector<std::uint8_t> data(256);
  for (int i = 0; i < 256; ++i) data[i] = static_cast<std::uint8_t>(i ^ 0x5A);
  std::vector<std::uint8_t> list = {0x20, 0x00, 0x00};
  list.insert(list.end(), data.begin(), data.end());
  list.push_back(0x00);
  const Played plain = play(list);
  ASSERT_TRUE(plain.status);
  EXPECT_EQ(plain.offset, 4 + 259);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(plain.ppu[0x2000 + i], data[i]);

  const Played repeated = play({0x20, 0x00, 0x40, 0x24, 0x00});
  ASSERT_TRUE(repeated.status);
  EXPECT_EQ(repeated.offset, 4 + 4);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(repeated.ppu[0x2000 + i], 0x24);
  EXPECT_EQ(repeated.ppu[0x2100], 0);
}

TEST(PlayUpdateList, AddressesAreMaskedAndWrapAtTheTop) {
  const Played wrap = play({0x3F, 0xFF, 0x02, 0x11, 0x22, 0xE3, 0x00, 0x01, 0x55, 0x00});
  ASSERT_TRUE(wrap.status);
  EXPECT_EQ(wrap.ppu[0x3FFF], 0x11);
  EXPECT_EQ(wrap.ppu[0x0000], 0x22);
  EXPECT_EQ(wrap.ppu[0x2300], 0x55);

  // A step-32 run from $3FE5 continues at $0005.
  const Played column = play({0x3F, 0xE5, 0x82, 0x33, 0x44, 0x00});
  ASSERT_TRUE(column.status);
  EXPECT_EQ(column.ppu[0x3FE5], 0x33);
  EXPECT_EQ(column.ppu[0x0005], 0x44);
}

TEST(PlayUpdateList, ListsRunningOffTheImageFailWithoutMovingTheOffset) {
  const std::vector<std::vector<std::uint8_t>> truncated = {
      {0x20, 0x00, 0x05, 1, 2, 3},        // data cut short
      {0x20, 0x00, 0x03, 1, 2, 3},        // no end byte
      {0x20, 0x00},                       // record header cut short
      {0x20, 0x00, 0x40},                 // repeat record without its byte
      concat({0x20, 0x00, 0x00}, 255, 1, {}),  // 256 writes, 255 data bytes
  };
  for (const auto& list : truncated) {
    const Played played = play(list);
    EXPECT_FALSE(played.status) << list.size();
    EXPECT_EQ(played.offset, 4);
  }
  std::vector<std::uint8_t> body = {0x00};
  PpuImage ppu{};
  std::int64_t outside = 5;
  EXPECT_FALSE(playUpdateList(body, outside, ppu));
  std::int64_t negative = -1;
  EXPECT_FALSE(playUpdateList(body, negative, ppu));
}

TEST(ReadRomWord, ConvertsBankedPointersWhateverTheirCpuBase) {
  const std::vector<std::uint8_t> body = {0x6D, 0xC7, 0x6D, 0x87, 0x6D, 0xA7, 0x22, 0xE0};
  for (std::int64_t offset : {0, 2, 4}) {
    const auto word = readRomWord(body, offset, true, kWindow8K, 25);
    ASSERT_TRUE(word);
    EXPECT_EQ(*word, 0x3276D);
  }
  EXPECT_EQ(*readRomWord(body, 0, false, kWindow8K, 25), 0xC76D);
  EXPECT_EQ(*readRomWord(body, 0, true, kWindow16K, 2), 0x076D + 0x8000);
  EXPECT_EQ(*readRomWord(body, 0, true, 0, 1), 0x476D + 0x8000);
  EXPECT_EQ(*readRomWordBE(body, 6, false, 0, 0), 0x22E0);
  EXPECT_FALSE(readRomWord(body, 7, false, 0, 0));
  EXPECT_FALSE(readRomWord(body, -1, false, 0, 0));
}

}  // namespace
}  // namespace pelmora
