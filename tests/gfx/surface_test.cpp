#include "gfx/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace pelmora {
namespace {

// A distinct, non-black colour for every position.
ColourValue marker(int x, int y) {
  return 0x00010000 + y * 0x400 + x;
}

// Fills the top-left width x height pixels with markers and everything else with `rest`.
void paintPicture(Surface& surface, int width, int height, ColourValue rest) {
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      surface.setPixel(x, y, x < width && y < height ? marker(x, y) : rest);
    }
  }
}

std::vector<std::uint32_t> snapshot(const Surface& surface) {
  return {surface.pixels(), surface.pixels() + surface.width() * surface.height()};
}

TEST(Surface, StartsBlackAndVisibleAndClearsToBlack) {
  Surface surface(4, 3);
  EXPECT_TRUE(surface.isVisible());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.pixel(x, y), 0u);
  }
  surface.setPixel(1, 2, 0x00123456);
  EXPECT_EQ(surface.pixels()[2 * 4 + 1], 0x00123456u);
  surface.clear();
  EXPECT_EQ(surface.pixel(1, 2), 0u);
}

TEST(Surface, PixelBytesAreRedGreenBlueX) {
  Surface surface(1, 1);
  surface.setPixel(0, 0, 0x00332211);
  std::uint8_t bytes[4];
  std::memcpy(bytes, surface.pixels(), 4);
  if (bytes[0] != 0x11 && bytes[3] != 0x11) GTEST_SKIP() << "unknown byte order";
  EXPECT_EQ(bytes[0], 0x11);
  EXPECT_EQ(bytes[1], 0x22);
  EXPECT_EQ(bytes[2], 0x33);
  EXPECT_EQ(bytes[3], 0x00);
}

TEST(Surface, PositionsOutsideAreIgnoredOnWriteAndBlackOnRead) {
  Surface surface(4, 3);
  for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 3}, {INT_MIN, INT_MAX}}) {
    surface.setPixel(x, y, 0x00FFFFFF);
    EXPECT_EQ(surface.pixel(x, y), 0u);
  }
  EXPECT_EQ(snapshot(surface), std::vector<std::uint32_t>(12, 0));
  Surface empty(-5, 7);
  EXPECT_EQ(empty.width(), 0);
  empty.setPixel(0, 0, 1);
  empty.stretchCopy(0, 0, 1, 1, 0, 0, 2, 2);
}

TEST(Surface, HideShowRepaintTrackVisibilityAndCallTheHooks) {
  Surface surface(2, 2);
  surface.hide();
  EXPECT_FALSE(surface.isVisible());
  surface.show();
  surface.repaint();
  EXPECT_TRUE(surface.isVisible());

  std::string calls;
  surface.setHooks({[&] { calls += 'h'; }, [&] { calls += 's'; }, [&] { calls += 'r'; }});
  surface.hide();
  surface.repaint();
  surface.show();
  EXPECT_EQ(calls, "hrs");
}

TEST(SurfaceStretch, IntegerScaleMakesEveryPixelAnExactBlock) {
  for (int scale : {2, 3, 8}) {
    Surface surface(256, 240);
    paintPicture(surface, 256, 240, 0);
    const Surface original = surface;
    surface.stretchCopy(0, 0, 256, 256, 0, 0, 256 * scale, 256 * scale);
    for (int y = 0; y < 240; ++y) {
      for (int x = 0; x < 256; ++x) {
        ASSERT_EQ(surface.pixel(x, y), original.pixel(x / scale, y / scale))
            << "scale " << scale << " at " << x << "," << y;
      }
    }
  }
}

TEST(SurfaceStretch, NothingBeyondThePictureLeaksIn) {
  // A 32 x 32 picture on a 256 x 240 surface full of another colour, enlarged by 8 as the
  // attribute views do: only picture pixels remain, row 30-31 falling below the surface.
  Surface surface(256, 240);
  paintPicture(surface, 32, 32, 0x00FF00FF);
  surface.stretchCopy(0, 0, 256, 256, 0, 0, 2048, 2048);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 256; ++x) {
      ASSERT_EQ(surface.pixel(x, y), static_cast<std::uint32_t>(marker(x / 8, y / 8)));
    }
  }
}

TEST(SurfaceStretch, SourceBeyondTheImageReadsAsBlack) {
  Surface surface(8, 8);
  paintPicture(surface, 8, 8, 0);
  surface.stretchCopy(4, 4, 8, 8, 0, 0, 8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const auto expected = x < 4 && y < 4 ? static_cast<std::uint32_t>(marker(x + 4, y + 4)) : 0u;
      EXPECT_EQ(surface.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(SurfaceStretch, ClipsAtEveryEdgeAndLeavesTheRestAlone) {
  Surface surface(8, 8);
  paintPicture(surface, 8, 8, 0);
  const Surface original = surface;
  // Source (2, 2)-(3, 3) doubled onto (-1, 6): only destination columns 0-2, rows 6-7 land.
  surface.stretchCopy(2, 2, 2, 2, -1, 6, 4, 4);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      std::uint32_t expected = original.pixel(x, y);
      if (x <= 2 && y >= 6) expected = original.pixel(2 + (x + 1) / 2, 2 + (y - 6) / 2);
      EXPECT_EQ(surface.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(SurfaceStretch, OverlappingCopyReadsTheWholeSourceFirst) {
  Surface surface(12, 3);
  paintPicture(surface, 12, 3, 0);
  const Surface original = surface;
  surface.stretchCopy(0, 0, 10, 2, 1, 1, 10, 2);  // one right and one down, onto itself
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 11; ++x) EXPECT_EQ(surface.pixel(x, y), original.pixel(x - 1, y - 1));
  }
  EXPECT_EQ(surface.pixel(0, 1), original.pixel(0, 1));
  EXPECT_EQ(surface.pixel(11, 2), original.pixel(11, 2));
  EXPECT_EQ(surface.pixel(5, 0), original.pixel(5, 0));
}

TEST(SurfaceStretch, ShrinkingTakesEveryNthPixel) {
  Surface surface(8, 8);
  paintPicture(surface, 8, 8, 0);
  const Surface original = surface;
  surface.stretchCopy(0, 0, 8, 8, 0, 0, 4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.pixel(x, y), original.pixel(2 * x, 2 * y));
  }
  EXPECT_EQ(surface.pixel(5, 5), original.pixel(5, 5));
}

TEST(SurfaceStretch, EmptyRectanglesCopyNothingAndHugeOnesDoNotOverflow) {
  Surface surface(8, 8);
  paintPicture(surface, 8, 8, 0);
  const auto before = snapshot(surface);
  surface.stretchCopy(0, 0, 8, 8, 0, 0, 0, 8);
  surface.stretchCopy(0, 0, 8, 8, 0, 0, -16, -16);
  surface.stretchCopy(0, 0, -8, 8, 0, 0, 8, 8);
  surface.stretchCopy(0, 0, 8, 8, 9, 0, 8, 8);
  EXPECT_EQ(snapshot(surface), before);

  surface.stretchCopy(0, 0, 256, 256, 0, 0, INT_MAX, INT_MAX);
  EXPECT_EQ(snapshot(surface), std::vector<std::uint32_t>(64, before[0]));
  // A source far outside the image, reached through sizes near the type's limits.
  surface.stretchCopy(INT_MAX, INT_MIN, INT_MAX, INT_MAX, -5, -5, INT_MAX, INT_MAX);
  EXPECT_EQ(snapshot(surface), std::vector<std::uint32_t>(64, 0));
}

TEST(SurfaceStretch, CopiesFromAnotherSurface) {
  Surface source(4, 4);
  paintPicture(source, 4, 4, 0);
  Surface target(8, 6);
  target.stretchCopyFrom(source, 1, 1, 2, 2, 2, 2, 4, 4);
  EXPECT_EQ(target.pixel(1, 1), 0u);
  EXPECT_EQ(target.pixel(2, 2), static_cast<std::uint32_t>(marker(1, 1)));
  EXPECT_EQ(target.pixel(3, 3), static_cast<std::uint32_t>(marker(1, 1)));
  EXPECT_EQ(target.pixel(4, 5), static_cast<std::uint32_t>(marker(2, 2)));
  EXPECT_EQ(target.pixel(6, 2), 0u);
}

}  // namespace
}  // namespace pelmora
