#include "gfx/master_palette_file.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A .pal file of `size` bytes in which every byte tells where it is.
Bytes palFile(std::size_t size) {
  Bytes file(size);
  for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i * 5 + i / 192);
  return file;
}

ColourValue colourAt(const Bytes& file, std::size_t entry) {
  return file[3 * entry] + file[3 * entry + 1] * 0x100 + file[3 * entry + 2] * 0x10000;
}

TEST(MasterPaletteFile, SizesTrailingBytesAndTooShort) {
  for (const auto& [size, colours] :
       {std::pair{192u, 64u}, {1536u, 512u}, {200u, 64u}, {1000u, 64u}, {1664u, 512u}}) {
    const Bytes file = palFile(size);
    const Expected<UserMasterPalette> palette = readMasterPaletteFile(file);
    ASSERT_TRUE(palette) << size;
    ASSERT_EQ(palette.value().colours.size(), colours) << size;
    EXPECT_EQ(palette.value().colours.back(), colourAt(file, colours - 1)) << size;
  }
  const Expected<UserMasterPalette> tooShort = readMasterPaletteFile(palFile(191));
  ASSERT_FALSE(tooShort);
  EXPECT_NE(tooShort.error().what.find("this one has 191"), std::string::npos);
}

// With 512 colours the emphasis value picks the block; greyscale still reads colour AND $30.
TEST(MasterPaletteFile, EmphasisPicksTheBlockAndGreyscaleKeepsItsMeaning) {
  const Bytes file = palFile(1536);
  const UserMasterPalette full = readMasterPaletteFile(file).value();
  for (int emphasis = 0; emphasis < 8; ++emphasis) {
    for (int colour = 0; colour < 64; ++colour) {
      const auto c = static_cast<std::uint8_t>(colour);
      const auto e = static_cast<std::uint8_t>(emphasis);
      ASSERT_EQ(nesColourToRgb(c, false, e, full), colourAt(file, 64 * emphasis + colour));
      ASSERT_EQ(nesColourToRgb(c, true, e, full), colourAt(file, 64 * emphasis + (colour & 0x30)));
    }
  }
  EXPECT_EQ(nesColourToRgb(0x40, false, 0, full), 0);

  // 64 colours are scaled by emphasis as the built-in ones are; the tables use them.
  const UserMasterPalette small = readMasterPaletteFile(palFile(192)).value();
  UserMasterPalette white{std::vector<ColourValue>(64, 0x00FFFFFF)};
  EXPECT_EQ(nesColourToRgb(0x12, false, 1, white), nesColourToRgb(0x30, false, 1));
  ColourTables tables;
  buildMasterPalette(PpuRegisters{0, 0x01}, tables, &small);
  EXPECT_EQ(tables.masterPalette[0x25], small.colours[0x20]);
  EXPECT_EQ(tables.masterPalette[64], 1);
}

}  // namespace
}  // namespace pelmora
