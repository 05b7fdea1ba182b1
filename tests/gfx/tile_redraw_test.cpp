#include "gfx/tile_redraw.h"

#include <gtest/gtest.h>

#include <random>

#include "gfx/screen_views.h"

namespace pelmora {
namespace {

bool samePixels(const Surface& a, const Surface& b) {
  return std::equal(a.pixels(), a.pixels() + a.width() * a.height(), b.pixels());
}

TEST(RedrawTile, PaintingPixelsGivesWhatAFullRedrawGivesAndRepaintsOnlyWhatShowsTheTile) {
  std::mt19937 random(21);
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  EditorState state;
  for (auto& entry : state.viewPalette) entry = static_cast<std::uint8_t>(random() % 64);
  for (auto& pixel : state.tileSheet) pixel = static_cast<std::uint8_t>(random() & 3u);
  for (std::size_t a = 0x2000; a < 0x2C00; ++a)
    state.ppuImage[a] = static_cast<std::uint8_t>(random() % 8);
  state.paletteSet = 3;
  state.selectedTile = 5;
  ScreenViews views;
  redrawViews(views, state, colours);
  int screenRepaints = 0;
  views.NAT1.setHooks({{}, {}, [&] { ++screenRepaints; }});

  for (int paint = 0; paint < 40; ++paint) {
    const auto tile = static_cast<std::uint8_t>(random() % 10);  // 8 and 9 are on no screen
    state.tileSheet[tile * 64 + random() % 64] = static_cast<std::uint8_t>(random() & 3u);
    screenRepaints = 0;
    redrawTile(views, state, tile, colours);
    EXPECT_EQ(screenRepaints, tile < 8 ? 1 : 0);

    ScreenViews full;
    redrawViews(full, state, colours);
    full.picSelTile.stretchCopyFrom(full.PAT0, 80, 0, 16, 16, 0, 0, 32, 32);  // tile 5 preview
    ASSERT_TRUE(samePixels(views.PAT0, full.PAT0)) << "paint " << paint;
    ASSERT_TRUE(samePixels(views.NAT0, full.NAT0)) << "paint " << paint;
    ASSERT_TRUE(samePixels(views.NAT1, full.NAT1)) << "paint " << paint;
    if (tile == 5) {
      ASSERT_TRUE(samePixels(views.picSelTile, full.picSelTile));
    }
  }
}

}  // namespace
}  // namespace pelmora
