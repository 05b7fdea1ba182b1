#include "picture/colour_match.h"

#include <gtest/gtest.h>

#include <random>

namespace pelmora {
namespace {

// The lowest of the NES colours 0-63 nearest to `rgb`, by a plain scan.
std::uint8_t scannedNearest(const ColourMatch& match, std::uint32_t rgb) {
  std::uint8_t best = 0;
  for (std::uint8_t c = 1; c < 64; ++c) {
    if (rgbDistance(rgb, match.rgb(c)) < rgbDistance(rgb, match.rgb(best))) best = c;
  }
  return best;
}

// Random colours, the palette's own colours (where equal distances decide by index) and colours
// asked again after others took their remembered place all give the plain scan's answer.
TEST(ColourMatch, NearestIsTheLowestOfTheNearestColours) {
  ColourMatch match;
  std::mt19937 random(22);
  std::vector<std::uint32_t> asked;
  for (int i = 0; i < 20000; ++i) asked.push_back(random() & 0x00FFFFFFu);
  for (std::uint8_t c = 0; c < 64; ++c) asked.push_back(match.rgb(c));
  for (int pass = 0; pass < 2; ++pass) {
    for (const std::uint32_t rgb : asked) {
      ASSERT_EQ(match.nearest(rgb | 0xFF000000u), scannedNearest(match, rgb)) << std::hex << rgb;
    }
  }
  EXPECT_EQ(match.distance(0x20, 0x0F), rgbDistance(match.rgb(0x20), match.rgb(0x0F)));
  EXPECT_EQ(match.distance(0x40, 0xF0), rgbDistance(match.rgb(0x40), match.rgb(0xF0)));
}

}  // namespace
}  // namespace pelmora
