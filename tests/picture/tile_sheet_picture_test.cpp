#include "picture/tile_sheet_picture.h"

#include <gtest/gtest.h>

#include <random>

namespace pelmora {
namespace {

TEST(TileSheetPicture, APictureInThePaletteShownComesBackAsTheSameSheet) {
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  EditorState state;
  state.paletteSet = 2;
  state.viewPalette[8] = 0x0F;
  state.viewPalette[9] = 0x16;
  state.viewPalette[10] = 0x2A;
  state.viewPalette[11] = 0x30;
  std::mt19937 random(11);
  for (auto& pixel : state.tileSheet) pixel = static_cast<std::uint8_t>(random() & 3u);

  const auto shown = shownPaletteColours(state, colours);
  EXPECT_EQ(shown[1], static_cast<std::uint32_t>(colours.lookup(0x16)));
  const std::vector<std::uint8_t> indices = tileSheetIndices(state.tileSheet);
  ASSERT_EQ(indices.size(), 128u * 128u);
  EXPECT_EQ(indices[8 * 128 + 8], state.tileSheet[17 * 64]) << "tile 17 starts at (8, 8)";
  RgbImage picture(128, 128);
  for (std::size_t i = 0; i < indices.size(); ++i)
    picture.pixels[i] = shown[indices[i]] ^ 0x030201u;  // near, not equal
  const Expected<TileSheet> back = tileSheetFromPicture(picture, shown);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, state.tileSheet);
  EXPECT_FALSE(tileSheetFromPicture(RgbImage(128, 127), shown));
}

}  // namespace
}  // namespace pelmora
