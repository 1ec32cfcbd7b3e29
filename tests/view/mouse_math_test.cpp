#include <gtest/gtest.h>

#include <cmath>

#include "view/mouse_math.h"

using namespace tv;

TEST(BorderZone, CornersEdgesAndInsideWithTheMarginRule) {
  const PixelBox box{100, 100, 400, 300};  // margin 16
  struct Row {
    Point p;
    int zone;
  };
  for (const Row& row : {Row{{100, 100}, 1}, Row{{116, 116}, 1}, Row{{117, 110}, 7}, Row{{484, 110}, 2},
                         Row{{483, 110}, 7}, Row{{110, 384}, 3}, Row{{300, 399}, 8}, Row{{499, 399}, 4},
                         Row{{105, 200}, 5}, Row{{490, 200}, 6}, Row{{300, 200}, 0}, Row{{99, 200}, -1},
                         Row{{500, 200}, 6}, Row{{501, 200}, -1}})
    EXPECT_EQ(BorderZoneAt(row.p, box, 0), row.zone) << row.p.x << "," << row.p.y;
  EXPECT_EQ(BorderZoneAt({95, 200}, box, 5), 5);  // the border counts as the edge
  const PixelBox small{0, 0, 40, 100};            // margin 40 / 4 = 10
  EXPECT_EQ(BorderZoneAt({20, 10}, small, 0), 7);
  EXPECT_EQ(BorderZoneAt({20, 11}, small, 0), 0);
  EXPECT_EQ(BorderZoneAt({4, 5}, PixelBox{0, 0, 8, 8}, 0), 3);  // tiny: margin 4, bands overlap
}

// The bottom-right corner, the edges and the minimum are driven on the real window.
TEST(Resize, TopLeftCornerKeepsTheAspectAndTheOppositeCorner) {
  const ResizeStart s{{100, 100}, {100, 100, 400, 300}, {300, 250}, 400.0 / 300.0, 400, 300};
  EXPECT_EQ(ResizeFor(kZoneTopLeft, false, {60, 90}, s), (PixelBox{60, 70, 440, 330}));
}

TEST(Resize, SidesWhoseSquaresOverflow32BitsAreSafe) {
  ResizeStart big{{0, 0}, {0, 0, 200000, 150000}, {100000, 75000}, 4.0 / 3.0, 400, 300};
  const PixelBox grown = ResizeFor(kZoneBottomRight, false, {40000, 0}, big);
  EXPECT_EQ(grown.width, 240000);
  EXPECT_EQ(grown.height, 180000);
}

// Notches and half notches at the default sensitivity are driven on the real window.
TEST(Wheel, StepsAndZoomFollowTheSensitivity) {
  int remainder = 0, steps = 0;
  for (int i = 0; i < 6; ++i) steps += WheelSteps(remainder, -120, 720);
  EXPECT_EQ(steps, 1);
  EXPECT_NEAR(WheelZoomFactor(120, 120), std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(WheelZoomFactor(120, 1440), std::pow(2.0, 1.0 / 24), 1e-12);
}

TEST(Wheel, TransparencyLevels) {
  struct Row {
    int alpha, steps, next;
  };
  for (const Row& r : {Row{192, 1, 128}, Row{192, -1, 255}, Row{64, 3, 64}, Row{255, 5, 64}, Row{200, 1, 128},
                       Row{10, 1, 255}, Row{10, 2, 192}})
    EXPECT_EQ(NextTransparency(r.alpha, r.steps), r.next) << r.alpha << " " << r.steps;
}

TEST(PixelText, RedGreenBlueAsSixUpperCaseDigits) {
  EXPECT_EQ(RgbText(0xFF, 0x00, 0x0A), L"FF000A");  // the real window shows 12ABF0
}

TEST(Diagonal, ResizeRoundsTheRealLengthWithoutOverflow) {
  EXPECT_EQ(ResizeDiagonal(2, 3), 4);  // sqrt 13 = 3.61
  EXPECT_EQ(ResizeDiagonal(3, 4), 5);
  EXPECT_EQ(ResizeDiagonal(80000, 60000), 100000);  // integer squares overflow 32 bits here
}
