#include "rom/game_check.h"

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "rom/title_layout.h"

namespace pelmora {
namespace {

TEST(GameCheck, BothCoinCallSitesMustHoldTheCallOrNothing) {
  RomImage rom = buildDemoImage();
  EXPECT_TRUE(looksLikeTheGame(rom));
  for (const std::int32_t site : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    RomImage off = rom;
    std::copy(title::kCoinCallOff.begin(), title::kCoinCallOff.end(), off.body.begin() + site);
    EXPECT_TRUE(looksLikeTheGame(off));
    RomImage changed = rom;
    changed.body[static_cast<std::size_t>(site) + 2] ^= 1;
    EXPECT_FALSE(looksLikeTheGame(changed)) << site;
  }
  rom.body.resize(title::kCoinCallSecond + 2);
  EXPECT_FALSE(looksLikeTheGame(rom));
  EXPECT_EQ(kUnexpectedGameStatement.back(), '.');
}

}  // namespace
}  // namespace pelmora
