#include "view/paint_geometry.h"

#include <gtest/gtest.h>

#include <random>

namespace tv {
namespace {

const Rect kScreen{0, 0, 1920, 1080};

TEST(ComputeBlitRects, StretchesOnlyTheVisiblePart) {
  const struct { int bw, bh; Rect dest, clip, source, destination; } cases[] = {
      {400, 300, BoxRect(100, 50, 800, 600), kScreen, BoxRect(0, 0, 400, 300), BoxRect(100, 50, 800, 600)},
      // 4x zoom off the left and top: whole bitmap pixels are cut and the
      // screen cut is rounded up, so partly visible pixels stay in.
      {1000, 1000, BoxRect(-1001, -50, 4000, 4000), kScreen, BoxRect(250, 12, 481, 271), BoxRect(-1, -2, 1924, 1084)},
      // Shrunk by half across the right edge: cutting 100 screen px cuts 200.
      {2000, 1000, BoxRect(1820, 0, 1000, 500), kScreen, BoxRect(0, 0, 200, 1000), BoxRect(1820, 0, 100, 500)},
      {100, 100, BoxRect(0, 0, 300, 300), Rect{31, 62, 269, 238}, BoxRect(10, 20, 80, 60), BoxRect(30, 60, 240, 180)},
  };
  for (const auto& c : cases) {
    const BlitRects r = ComputeBlitRects(c.bw, c.bh, c.dest, c.clip);
    ASSERT_TRUE(r.visible);
    EXPECT_EQ(r.source, c.source);
    EXPECT_EQ(r.destination, c.destination);
  }
}

TEST(ComputeBlitRects, NothingToDrawGivesNoStretch) {
  EXPECT_FALSE(ComputeBlitRects(0, 100, BoxRect(0, 0, 100, 100), kScreen).visible);
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(0, 0, 0, 100), kScreen).visible);  // scaled width truncated to 0
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(2000, 0, 100, 100), kScreen).visible);
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(0, -100, 100, 100), kScreen).visible);
}

// Whatever the zoom and placement, the source stays inside the bitmap and the
// destination inside the original one, overlapping the clip.
TEST(ComputeBlitRects, RandomPlacementsStayInsideBitmapAndDestination) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> size(1, 5000), place(-20000, 20000), zoom(1, 20000);
  for (int i = 0; i < 20000; ++i) {
    const int bw = size(random), bh = size(random);
    const double s = zoom(random) / 1000.0;
    const Rect dest = BoxRect(place(random), place(random), static_cast<int>(bw * s), static_cast<int>(bh * s));
    const BlitRects r = ComputeBlitRects(bw, bh, dest, kScreen);
    if (!r.visible) continue;
    ASSERT_GE(r.source.left, 0);
    ASSERT_GE(r.source.top, 0);
    ASSERT_LE(r.source.right, bw);
    ASSERT_LE(r.source.bottom, bh);
    ASSERT_GT(r.source.Width(), 0);
    ASSERT_GE(r.destination.left, dest.left);
    ASSERT_LE(r.destination.right, dest.right);
    ASSERT_GE(r.destination.top, dest.top);
    ASSERT_LE(r.destination.bottom, dest.bottom);
    ASSERT_LT(r.destination.left, kScreen.right);
    ASSERT_GT(r.destination.right, kScreen.left);
  }
}

TEST(PaintThroughWindowDC, FullScreenAndOverhangUseTheWindowDcUnlessModal) {
  EXPECT_FALSE(PaintThroughWindowDC(false, BoxRect(10, 10, 100, 100), kScreen, false, false));
  EXPECT_TRUE(PaintThroughWindowDC(false, BoxRect(10, 10, 100, 100), kScreen, true, false));
  EXPECT_TRUE(PaintThroughWindowDC(true, BoxRect(10, 10, 100, 100), kScreen, false, false));
  EXPECT_TRUE(PaintThroughWindowDC(false, BoxRect(1820, 10, 100, 100), kScreen, false, false));  // touching the edge
  EXPECT_FALSE(PaintThroughWindowDC(true, BoxRect(-1, 10, 100, 100), kScreen, true, true));
}

TEST(FullScreenFillRects, CoversTheWindowOutsideTheBoxOnce) {
  const Rect window{0, 0, 64, 48};
  const Rect box = BoxRect(10, 5, 30, 20);
  const std::vector<Rect> parts = FullScreenFillRects(box, window);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      int covered = 0;
      for (const Rect& part : parts) covered += part.Contains({x, y});
      ASSERT_EQ(covered, box.Contains({x, y}) ? 0 : 1) << x << "," << y;
    }
  EXPECT_TRUE(FullScreenFillRects(Rect{-5, -5, 70, 50}, window).empty());
  EXPECT_TRUE(BorderRects(BoxRect(10, 20, 100, 50), 0).empty());
  EXPECT_EQ(PlaceholderGeometry(BoxRect(4, 6, 1, 0)).fill.Width(), 0);  // never negative
}

TEST(ChooseStretchMode, AnimationFallsBackToFastStretchOnceFramesAreSkipped) {
  double threshold = 1e308;
  EXPECT_EQ(ChooseStretchMode(true, false, {}, 100, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(ChooseStretchMode(false, false, {}, 100, threshold), StretchMode::Halftone);
  // A fifth of the frames skipped early in the loop: the threshold drops.
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 3, 2, 0}, 5000, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 3, 0, 0}, 4000, threshold), StretchMode::Halftone);
  EXPECT_EQ(threshold, 5000);
  // Last loop skipped more than 30 %: it drops to the smaller area.
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 9, 0, 4}, 3000, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(threshold, 3000);
  double untouched = 1e308;  // no frames known: no division
  EXPECT_EQ(ChooseStretchMode(false, true, {0, 0, 5, 5}, 3000, untouched), StretchMode::Halftone);
  EXPECT_EQ(untouched, 1e308);
}

}  // namespace
}  // namespace tv
