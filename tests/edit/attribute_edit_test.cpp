#include "edit/attribute_edit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(SetAttributeQuadrant, EachQuadrantHasItsOwnTwoBits) {
  EditorState state;
  selectAttributePalette(state, 3);
  const std::vector<std::pair<std::pair<double, double>, int>> presses = {
      {{0, 0}, 0x03}, {{16, 0}, 0x0F}, {{0, 16}, 0x3F}, {{16, 16}, 0xFF}};
  for (const auto& [position, expected] : presses) {
    ASSERT_TRUE(setAttributeQuadrant(state, position.first, position.second));
    EXPECT_EQ(state.ppuImage[0x23C0], expected);
  }
  selectAttributePalette(state, 0);
  ASSERT_TRUE(setAttributeQuadrant(state, 20, 20));
  EXPECT_EQ(state.ppuImage[0x23C0], 0x3F);
}

TEST(SetAttributeQuadrant, AddressesFollowThe32PixelBlocks) {
  EditorState state;
  selectAttributePalette(state, 6);  // only the low two bits count: palette 2
  ASSERT_TRUE(setAttributeQuadrant(state, 255, 239));
  EXPECT_EQ(state.ppuImage[0x23C0 + 63], 2 << 2) << "right half, top half of the last byte";
  ASSERT_TRUE(setAttributeQuadrant(state, 40, 70));
  EXPECT_EQ(state.ppuImage[0x23C0 + 17], 2) << "byte (1, 2), top left";

  const PpuImage before = state.ppuImage;
  for (auto [x, y] : {std::pair{-1.0, 0.0}, {256.0, 0.0}, {0.0, 240.0}}) {
    EXPECT_FALSE(setAttributeQuadrant(state, x, y));
  }
  EXPECT_EQ(state.ppuImage, before);
  int changed = 0;
  for (int address = 0; address < 0x4000; ++address) changed += state.ppuImage[address] != 0;
  EXPECT_EQ(changed, 2);
}

}  // namespace
}  // namespace pelmora
