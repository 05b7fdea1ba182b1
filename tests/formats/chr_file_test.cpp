#include "formats/chr_file.h"

#include <gtest/gtest.h>

#include "support/layout_image.h"

namespace pelmora {
namespace {

TEST(ChrFile, WritesAndReadsBackExactly4096BytesAndRefusesOtherSizes) {
  testing::TemporaryFolder folder;
  TileSheet sheet(256 * 64);
  for (std::size_t i = 0; i < sheet.size(); ++i)
    sheet[i] = static_cast<std::uint8_t>((i * 7 + i / 64) & 3u);
  ASSERT_TRUE(writeChrFile(folder / "tiles.chr", sheet));
  EXPECT_EQ(testing::readFile(folder / "tiles.chr").size(), 4096u);
  const Expected<TileSheet> read = readChrFile(folder / "tiles.chr");
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, sheet);

  for (const std::size_t size : {std::size_t{0}, std::size_t{4095}, std::size_t{4097}}) {
    testing::writeFile(folder / "odd.chr", std::vector<std::uint8_t>(size, 1));
    const Expected<TileSheet> odd = readChrFile(folder / "odd.chr");
    ASSERT_FALSE(odd) << size;
    EXPECT_NE(odd.error().what.find(std::to_string(size) + " bytes"), std::string::npos);
  }
  EXPECT_FALSE(readChrFile(folder / "missing.chr"));
  EXPECT_FALSE(writeChrFile(folder / "short.chr", TileSheet(64)));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"odd.chr", "tiles.chr"}));
}

}  // namespace
}  // namespace pelmora
