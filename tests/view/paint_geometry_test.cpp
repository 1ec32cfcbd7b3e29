#include "view/paint_geometry.h"

#include <gtest/gtest.h>

#include <random>

namespace tv {
namespace {

TEST(ComputeBlitRects, WhollyVisiblePictureStretchesEverything) {
  const BlitRects r = ComputeBlitRects(400, 300, BoxRect(100, 50, 800, 600), Rect{0, 0, 1920, 1080});
  ASSERT_TRUE(r.visible);
  EXPECT_EQ(r.source, BoxRect(0, 0, 400, 300));
  EXPECT_EQ(r.destination, BoxRect(100, 50, 800, 600));
}

TEST(ComputeBlitRects, ZoomedPictureStretchesOnlyTheVisiblePart) {
  struct Case {
    int bw, bh;
    Rect dest, clip, source, destination;
  };
  const Case cases[] = {
      // 4x zoom hanging 1001 px off the left and 50 px off the top: whole
      // bitmap pixels are cut (250 and 12 before, 269 and 717 after), the
      // screen cut is rounded up, so partly visible pixels stay in.
      {1000, 1000, BoxRect(-1001, -50, 4000, 4000), Rect{0, 0, 1920, 1080}, BoxRect(250, 12, 481, 271),
       BoxRect(-1, -2, 1924, 1084)},
      // Shrunk picture (s = 0.5) crossing the right edge: source cuts are
      // whole pixels of the bitmap, so cutting 100 screen px cuts 200.
      {2000, 1000, BoxRect(1820, 0, 1000, 500), Rect{0, 0, 1920, 1080}, BoxRect(0, 0, 200, 1000),
       BoxRect(1820, 0, 100, 500)},
      // Clip inside on all four sides, scale 3.
      {100, 100, BoxRect(0, 0, 300, 300), Rect{31, 62, 269, 238}, BoxRect(10, 20, 80, 60),
       BoxRect(30, 60, 240, 180)},
  };
  for (const Case& c : cases) {
    const BlitRects r = ComputeBlitRects(c.bw, c.bh, c.dest, c.clip);
    ASSERT_TRUE(r.visible);
    EXPECT_EQ(r.source, c.source);
    EXPECT_EQ(r.destination, c.destination);
  }
}

TEST(ComputeBlitRects, NothingToDrawGivesNoStretch) {
  const Rect screen{0, 0, 1920, 1080};
  EXPECT_FALSE(ComputeBlitRects(0, 100, BoxRect(0, 0, 100, 100), screen).visible);
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(0, 0, 0, 100), screen).visible)
      << "a picture whose scaled width truncates to 0 draws nothing";
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(2000, 0, 100, 100), screen).visible);
  EXPECT_FALSE(ComputeBlitRects(100, 100, BoxRect(0, -100, 100, 100), screen).visible);
}

// Whatever the zoom and placement, the cut source stays inside the bitmap and
// the cut destination inside the original destination and overlapping the clip.
TEST(ComputeBlitRects, RandomPlacementsStayInsideBitmapAndDestination) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> size(1, 5000), place(-20000, 20000), zoom(1, 20000);
  const Rect clip{0, 0, 1920, 1080};
  for (int i = 0; i < 20000; ++i) {
    const int bw = size(random), bh = size(random);
    const double s = zoom(random) / 1000.0;
    const Rect dest = BoxRect(place(random), place(random), static_cast<int>(bw * s), static_cast<int>(bh * s));
    const BlitRects r = ComputeBlitRects(bw, bh, dest, clip);
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
    ASSERT_LT(r.destination.left, clip.right);
    ASSERT_GT(r.destination.right, clip.left);
  }
}

TEST(PaintThroughWindowDC, FullScreenAndOverhangUseTheWindowDcUnlessModal) {
  const Rect desktop{0, 0, 1920, 1080};
  EXPECT_FALSE(PaintThroughWindowDC(false, BoxRect(10, 10, 100, 100), desktop, false, false));
  EXPECT_TRUE(PaintThroughWindowDC(false, BoxRect(10, 10, 100, 100), desktop, true, false));
  EXPECT_TRUE(PaintThroughWindowDC(true, BoxRect(10, 10, 100, 100), desktop, false, false));
  EXPECT_TRUE(PaintThroughWindowDC(false, BoxRect(-1, 10, 100, 100), desktop, false, false));
  EXPECT_TRUE(PaintThroughWindowDC(false, BoxRect(1820, 10, 100, 100), desktop, false, false))
      << "touching the right edge counts as outside";
  EXPECT_FALSE(PaintThroughWindowDC(true, BoxRect(-1, 10, 100, 100), desktop, true, true));
}

TEST(BorderRects, FourBandsAroundThePictureOrNone) {
  const std::vector<Rect> bands = BorderRects(BoxRect(10, 20, 100, 50), 3);
  const std::vector<Rect> expected = {BoxRect(7, 17, 106, 3), BoxRect(7, 20, 3, 50), BoxRect(110, 20, 3, 50),
                                      BoxRect(7, 70, 106, 3)};
  EXPECT_EQ(bands, expected);
  EXPECT_TRUE(BorderRects(BoxRect(10, 20, 100, 50), 0).empty());
}

TEST(FullScreenFillRects, CoversTheWindowOutsideTheBoxOnce) {
  const Rect window{0, 0, 64, 48};
  const Rect box = BoxRect(10, 5, 30, 20);
  const std::vector<Rect> parts = FullScreenFillRects(box, window);
  ASSERT_EQ(parts.size(), 4u);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      int covered = 0;
      for (const Rect& part : parts) covered += part.Contains({x, y});
      ASSERT_EQ(covered, box.Contains({x, y}) ? 0 : 1) << x << "," << y;
    }
  // A box larger than the window leaves nothing to fill.
  EXPECT_TRUE(FullScreenFillRects(Rect{-5, -5, 70, 50}, window).empty());
}

TEST(PlaceholderGeometry, OutlineAndInsideNeverNegative) {
  const PlaceholderRects p = PlaceholderGeometry(BoxRect(4, 6, 50, 40));
  EXPECT_EQ(p.outline, BoxRect(4, 6, 49, 39));
  EXPECT_EQ(p.fill, BoxRect(5, 7, 48, 38));
  const PlaceholderRects tiny = PlaceholderGeometry(BoxRect(4, 6, 1, 0));
  EXPECT_EQ(tiny.fill.Width(), 0);
  EXPECT_EQ(tiny.outline.Height(), 0);
}

TEST(ChooseStretchMode, AnimationFallsBackToFastStretchOnceFramesAreSkipped) {
  double threshold = 1e308;
  EXPECT_EQ(ChooseStretchMode(true, false, {}, 100, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(ChooseStretchMode(false, false, {}, 100, threshold), StretchMode::Halftone);
  // Early in the loop with a fifth of the frames skipped: threshold drops.
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 3, 2, 0}, 5000, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(threshold, 5000);
  // Smaller window later: halftone again; the threshold never rises.
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 3, 0, 0}, 4000, threshold), StretchMode::Halftone);
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 3, 0, 0}, 6000, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(threshold, 5000);
  // Last loop skipped more than 30 %: drops to the smaller area.
  EXPECT_EQ(ChooseStretchMode(false, true, {10, 9, 0, 4}, 3000, threshold), StretchMode::ColorOnColor);
  EXPECT_EQ(threshold, 3000);
  // No frames known: no division, threshold kept.
  double untouched = 1e308;
  EXPECT_EQ(ChooseStretchMode(false, true, {0, 0, 5, 5}, 3000, untouched), StretchMode::Halftone);
  EXPECT_EQ(untouched, 1e308);
}

TEST(SlideShowMarkGeometry, EachCursorSizeFromTheCorner) {
  const SlideShowMark normal = SlideShowMarkGeometry(0, {100, 200});
  EXPECT_EQ(normal.box, BoxRect(80, 180, 19, 19));
  EXPECT_EQ(normal.outline, BoxRect(81, 181, 16, 16));
  EXPECT_EQ(normal.stopSquare, BoxRect(86, 186, 7, 7));
  EXPECT_EQ(normal.playTriangle[1], (Point{93, 189}));
  const SlideShowMark large = SlideShowMarkGeometry(1, {0, 0});
  EXPECT_EQ(large.box, BoxRect(-30, -30, 27, 27));
  EXPECT_EQ(large.playTriangle[2], (Point{-21, -10}));
  const SlideShowMark extra = SlideShowMarkGeometry(2, {0, 0});
  EXPECT_EQ(extra.stopSquare, BoxRect(-30, -30, 15, 15));
  EXPECT_EQ(extra.playTriangle[0], (Point{-29, -33}));
  EXPECT_EQ(SlideShowMarkGeometry(7, {0, 0}).box, extra.box) << "out-of-range size clamps";
}

}  // namespace
}  // namespace tv
