// Size and place of a newly shown picture in each display mode, one table per
// mode: picture, screen, settings -> picture rectangle, zoom ratio, fit state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/view/fake_view_host.h"

using namespace tv;
using tvtest::Scene;
using tvtest::Screen;

namespace {

struct LayoutCase {
  const char* name;
  PixelSize picture;
  std::int32_t rotation;
  MonitorArea screen;
  Point centre;
  std::int32_t positionMode;
  PixelBox expected;
  double sizeRatio;
  int fitState;
};

const MonitorArea kFullHd = Screen(1920, 1080);
const MonitorArea kUltraHd = Screen(3840, 2160);

void RunTable(const std::vector<LayoutCase>& table, void (*setMode)(ViewOptions&)) {
  for (const LayoutCase& row : table) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(row.centre.x, row.centre.y);
    o.PositionMode = row.positionMode;
    setMode(o);
    Scene s({row.screen}, o);
    s.Show(row.picture.width, row.picture.height, row.rotation);
    EXPECT_EQ(s.view.PictureRect(), row.expected);
    EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, row.sizeRatio);
    EXPECT_EQ(s.view.FitState(), row.fitState);
    ASSERT_FALSE(s.host.moves.empty());
    const Rect& window = s.host.moves.back();
    // Without a border the window is the picture cut to the desktop.
    const Rect& d = row.screen.monitor;
    EXPECT_EQ(window, (Rect{std::max(d.left, row.expected.left), std::max(d.top, row.expected.top),
                            std::min(d.right, row.expected.Right()), std::min(d.bottom, row.expected.Bottom())}));
  }
}

void NoMode(ViewOptions&) {}

}  // namespace

// Natural size, shrunk (never enlarged) into the work area, placed around the
// centre and kept inside the work area.
TEST(Layout, NaturalSizeShrinksIntoTheWorkArea) {
  RunTable(
      {
          {"4000x3000: both sides too large, height decides", {4000, 3000}, 0, kFullHd, {960, 540}, 0,
           {240, 0, 1440, 1080}, 0.36, 0},
          {"1001x2000: only the height too large, width rounded", {1001, 2000}, 0, kFullHd, {960, 540}, 0,
           {690, 0, 541, 1080}, 0.54, 0},
          {"10x10 raised to the minimum box", {10, 10}, 0, kFullHd, {960, 540}, 0, {935, 515, 50, 50}, 5.0, 0},
          {"1x1 raised to the minimum box", {1, 1}, 0, kFullHd, {960, 540}, 0, {935, 515, 50, 50}, 50.0, 0},
          {"65535 square", {65535, 65535}, 0, kFullHd, {960, 540}, 0, {420, 0, 1080, 1080}, 1080.0 / 65535, 0},
          {"landscape that fits", {800, 600}, 0, kFullHd, {960, 540}, 0, {560, 240, 800, 600}, 1.0, 0},
          {"portrait that fits", {600, 800}, 0, kFullHd, {960, 540}, 0, {660, 140, 600, 800}, 1.0, 0},
          {"wide: only the width too large", {3000, 1000}, 0, kFullHd, {960, 540}, 0, {0, 220, 1920, 640},
           0.64, 0},
          {"centre near the corner: kept inside", {800, 600}, 0, kFullHd, {100, 100}, 0, {0, 0, 800, 600}, 1.0,
           0},
          {"centre near the far corner", {800, 600}, 0, kFullHd, {1900, 1000}, 0, {1120, 480, 800, 600}, 1.0, 0},
          {"4000x3000 on 3840x2160", {4000, 3000}, 0, kUltraHd, {1920, 1080}, 0, {480, 0, 2880, 2160}, 0.72, 0},
          {"1001x2000 fits on 3840x2160", {1001, 2000}, 0, kUltraHd, {1920, 1080}, 0, {1420, 80, 1001, 2000}, 1.0,
           0},
      },
      NoMode);
}

TEST(Layout, EachRotationUsesTheOrientedSize) {
  RunTable(
      {
          {"none", {4000, 3000}, 0, kFullHd, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 0},
          {"turned right", {4000, 3000}, 1, kFullHd, {960, 540}, 0, {555, 0, 810, 1080}, 0.27, 0},
          {"upside down", {4000, 3000}, 2, kFullHd, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 0},
          {"turned left", {4000, 3000}, 3, kFullHd, {960, 540}, 0, {555, 0, 810, 1080}, 0.27, 0},
          {"portrait turned right fits", {600, 800}, 1, kFullHd, {960, 540}, 0, {560, 240, 800, 600}, 1.0, 0},
          {"tall and thin turned left becomes wide", {100, 3000}, 3, kFullHd, {960, 540}, 0, {0, 508, 1920, 64},
           0.64, 0},
      },
      NoMode);
}

TEST(Layout, PositionModesPlaceTheNaturalSize) {
  // Odd sizes show which corner modes round the centre up.
  const MonitorArea taskBar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
  struct Row {
    int mode;
    PixelBox rect;
    Point centre;
  };
  const Row rows[] = {
      {1, {560, 220, 801, 601}, {960, 520}},  {2, {0, 0, 801, 601}, {400, 300}},
      {3, {1119, 0, 801, 601}, {1519, 301}},  {4, {0, 439, 801, 601}, {401, 739}},
      {5, {1119, 439, 801, 601}, {1520, 740}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode);
    ViewOptions o = tvtest::CentredAt(300, 300);
    o.PositionMode = row.mode;
    Scene s({taskBar}, o);
    s.Show(801, 601);
    EXPECT_EQ(s.view.PictureRect(), row.rect);
    EXPECT_EQ((Point{s.view.Options().CenterX, s.view.Options().CenterY}), row.centre);
  }
}

TEST(Layout, PositionModeNoneKeepsTheCentreWhenThePictureFits) {
  ViewOptions o = tvtest::CentredAt(100, 100);
  Scene s({kFullHd}, o);
  s.Show(800, 600);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, 0, 800, 600}));
  // The clamp moves the picture, not the remembered centre.
  EXPECT_EQ(s.view.Options().CenterX, 100);
  EXPECT_EQ(s.view.Options().CenterY, 100);
}

TEST(Layout, FitToScreenFillsOneSide) {
  RunTable(
      {
          {"4000x3000: height fills", {4000, 3000}, 0, kFullHd, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 1},
          {"800x600 enlarged", {800, 600}, 0, kFullHd, {960, 540}, 0, {240, 0, 1440, 1080}, 1.8, 1},
          {"wide: width fills", {3000, 1000}, 0, kFullHd, {960, 540}, 0, {0, 220, 1920, 640}, 0.64, 2},
          {"1x1", {1, 1}, 0, kFullHd, {960, 540}, 0, {420, 0, 1080, 1080}, 1080.0, 1},
          {"65535 square", {65535, 65535}, 0, kFullHd, {960, 540}, 0, {420, 0, 1080, 1080}, 1080.0 / 65535, 1},
          {"portrait turned right", {3000, 4000}, 1, kFullHd, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 1},
          {"centre left of the screen: left edge", {4000, 3000}, 0, kFullHd, {100, 540}, 0, {0, 0, 1440, 1080},
           0.36, 1},
          {"centre right: right edge", {4000, 3000}, 0, kFullHd, {1900, 540}, 0, {480, 0, 1440, 1080}, 0.36, 1},
          {"height fills, Center", {4000, 3000}, 0, kFullHd, {100, 540}, 1, {240, 0, 1440, 1080}, 0.36, 1},
          {"height fills, Left Top", {4000, 3000}, 0, kFullHd, {960, 540}, 2, {0, 0, 1440, 1080}, 0.36, 1},
          {"height fills, Right Top", {4000, 3000}, 0, kFullHd, {960, 540}, 3, {480, 0, 1440, 1080}, 0.36, 1},
          {"height fills, Left Bottom", {4000, 3000}, 0, kFullHd, {960, 540}, 4, {0, 0, 1440, 1080}, 0.36, 1},
          {"height fills, Right Bottom", {4000, 3000}, 0, kFullHd, {960, 540}, 5, {480, 0, 1440, 1080}, 0.36, 1},
          {"width fills, centre high", {3000, 1000}, 0, kFullHd, {960, 10}, 0, {0, 0, 1920, 640}, 0.64, 2},
          {"width fills, centre low", {3000, 1000}, 0, kFullHd, {960, 1070}, 0, {0, 440, 1920, 640}, 0.64, 2},
          {"width fills, Center", {3000, 1000}, 0, kFullHd, {960, 10}, 1, {0, 220, 1920, 640}, 0.64, 2},
          {"width fills, Left Top", {3000, 1000}, 0, kFullHd, {960, 540}, 2, {0, 0, 1920, 640}, 0.64, 2},
          {"width fills, Right Top", {3000, 1000}, 0, kFullHd, {960, 540}, 3, {0, 0, 1920, 640}, 0.64, 2},
          {"width fills, Left Bottom", {3000, 1000}, 0, kFullHd, {960, 540}, 4, {0, 440, 1920, 640}, 0.64, 2},
          {"width fills, Right Bottom", {3000, 1000}, 0, kFullHd, {960, 540}, 5, {0, 440, 1920, 640}, 0.64, 2},
          {"4000x3000 on 3840x2160", {4000, 3000}, 0, kUltraHd, {1920, 1080}, 0, {480, 0, 2880, 2160}, 0.72, 1},
          {"1001x2000 on 3840x2160", {1001, 2000}, 0, kUltraHd, {1920, 1080}, 0, {1380, 0, 1081, 2160}, 1.08, 1},
      },
      [](ViewOptions& o) { o.FitToScreen = true; });
}

TEST(Layout, FitToScreenWithTheScreensShapeKeepsThePosition) {
  for (const PixelSize picture : {PixelSize{1920, 1080}, PixelSize{960, 540}, PixelSize{3840, 2160}}) {
    SCOPED_TRACE(picture.width);
    ViewOptions o = tvtest::CentredAt(960, 540);
    o.FitToScreen = true;
    Scene s({kFullHd}, o);
    s.view.SetPictureRect({5, 7, 100, 100});
    s.Show(picture.width, picture.height);
    EXPECT_EQ(s.view.FitState(), 3);
    EXPECT_EQ(s.view.PictureRect(), (PixelBox{5, 7, 1920, 1080}));
  }
}

TEST(Layout, UseWholeScreenCoversTheWorkArea) {
  RunTable(
      {
          {"4000x3000: width fills, height overflows", {4000, 3000}, 0, kFullHd, {960, 540}, 0,
           {0, -180, 1920, 1440}, 0.48, 2},
          {"Right Bottom meets the right and bottom edges", {4000, 3000}, 0, kFullHd, {960, 540}, 5,
           {0, -360, 1920, 1440}, 0.48, 2},
          {"width fills, Left Bottom", {4000, 3000}, 0, kFullHd, {960, 540}, 4, {0, -360, 1920, 1440}, 0.48, 2},
          {"width fills, Left Top", {4000, 3000}, 0, kFullHd, {960, 540}, 2, {0, 0, 1920, 1440}, 0.48, 2},
          {"width fills, Right Top", {4000, 3000}, 0, kFullHd, {960, 540}, 3, {0, 0, 1920, 1440}, 0.48, 2},
          {"width fills, Center ignores the centre", {4000, 3000}, 0, kFullHd, {960, 0}, 1,
           {0, -180, 1920, 1440}, 0.48, 2},
          {"width fills, centre high: no gap at the bottom", {4000, 3000}, 0, kFullHd, {960, 100}, 0,
           {0, -360, 1920, 1440}, 0.48, 2},
          {"width fills, centre low: no gap at the top", {4000, 3000}, 0, kFullHd, {960, 1000}, 0,
           {0, 0, 1920, 1440}, 0.48, 2},
          {"wide: height fills", {3000, 1000}, 0, kFullHd, {960, 540}, 0, {-660, 0, 3240, 1080}, 1.08, 1},
          {"height fills, centre left: no gap at the right", {3000, 1000}, 0, kFullHd, {100, 540}, 0,
           {-1320, 0, 3240, 1080}, 1.08, 1},
          {"height fills, centre right: no gap at the left", {3000, 1000}, 0, kFullHd, {3000, 540}, 0,
           {0, 0, 3240, 1080}, 1.08, 1},
          {"height fills, Center", {3000, 1000}, 0, kFullHd, {100, 540}, 1, {-660, 0, 3240, 1080}, 1.08, 1},
          {"height fills, Left Top", {3000, 1000}, 0, kFullHd, {960, 540}, 2, {0, 0, 3240, 1080}, 1.08, 1},
          {"height fills, Left Bottom", {3000, 1000}, 0, kFullHd, {960, 540}, 4, {0, 0, 3240, 1080}, 1.08, 1},
          {"height fills, Right Top", {3000, 1000}, 0, kFullHd, {960, 540}, 3, {-1320, 0, 3240, 1080}, 1.08, 1},
          {"height fills, Right Bottom", {3000, 1000}, 0, kFullHd, {960, 540}, 5, {-1320, 0, 3240, 1080}, 1.08, 1},
          {"1x1", {1, 1}, 0, kFullHd, {960, 540}, 0, {0, -420, 1920, 1920}, 1920.0, 2},
          {"4000x3000 on 3840x2160", {4000, 3000}, 0, kUltraHd, {1920, 1080}, 0, {0, -360, 3840, 2880}, 0.96, 2},
      },
      [](ViewOptions& o) { o.UseWholeScreen = true; });
}

TEST(Layout, FixSizeRatioShowsEveryPictureAtTheSameZoom) {
  struct Row {
    const char* name;
    double ratio;
    PixelSize picture;
    PixelBox rect;
    double resultRatio;
    bool minimum;
  };
  const Row rows[] = {
      {"half", 0.5, {800, 600}, {760, 390, 400, 300}, 0.5, false},
      // Never shrunk into the work area: the window is cut to the desktop.
      {"double, larger than the screen", 2.0, {4000, 3000}, {-3040, -2460, 8000, 6000}, 2.0, false},
      {"the largest ratio on the largest picture", 200.0, {65535, 65535},
       {960 - 6553500, 540 - 6553500, 13107000, 13107000}, 200.0, false},
      {"tiny ratio: the minimum box", 0.001, {800, 600}, {932, 519, 56, 42}, 0.07, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(960, 540);
    o.FixSizeRatio = true;
    o.SizeRatio = row.ratio;
    Scene s({kFullHd}, o);
    s.Show(row.picture.width, row.picture.height);
    EXPECT_EQ(s.view.PictureRect(), row.rect);
    EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, row.resultRatio);
    EXPECT_EQ(s.view.MinSizeApplied(), row.minimum);
    // The window is the picture cut to the desktop.
    EXPECT_EQ(s.host.moves.back(), (Rect{std::max(0, row.rect.left), std::max(0, row.rect.top),
                                         std::min(1920, row.rect.Right()), std::min(1080, row.rect.Bottom())}));
  }
}

TEST(Layout, FixDiagonalLengthScalesToTheDiagonal) {
  struct Row {
    const char* name;
    std::int32_t diagonal;
    PixelSize picture;
    PixelSize shown;
  };
  const Row rows[] = {
      {"half the diagonal, rounded", 500, {800, 600}, {400, 300}},
      {"small picture raised first, then scaled", 1000, {30, 40}, {600, 800}},
      {"larger than the screen is not shrunk", 3000, {4000, 3000}, {2400, 1800}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(960, 540);
    o.FixDiagonalLength = true;
    o.DiagonalLength = row.diagonal;
    Scene s({kFullHd}, o);
    s.Show(row.picture.width, row.picture.height);
    EXPECT_EQ((PixelSize{s.view.PictureRect().width, s.view.PictureRect().height}), row.shown);
    EXPECT_EQ(s.view.FitState(), 0);
  }
}

// A diagonal of 0 (the value a fresh settings file holds) used to shrink every
// picture to nothing; the minimum box holds here too.
TEST(Layout, FixedDiagonalOfZeroStillShowsTheMinimumBox) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FixDiagonalLength = true;
  o.DiagonalLength = 0;
  Scene s({kFullHd}, o);
  s.Show(800, 600);
  EXPECT_EQ((PixelSize{s.view.PictureRect().width, s.view.PictureRect().height}), (PixelSize{57, 42}));
}

TEST(Layout, UseWholeScreenWinsOverFixDiagonalLength) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FixDiagonalLength = true;
  o.DiagonalLength = 500;
  o.UseWholeScreen = true;
  Scene s({kFullHd}, o);
  s.Show(4000, 3000);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, -180, 1920, 1440}));
}

TEST(Layout, BorderInsetsTheWorkAreaAndSurroundsThePicture) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FrameWidth = 10;
  Scene s({kFullHd}, o);
  s.Show(4000, 3000);
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{10, 10, 1900, 1060}));
  // 1.3333 x 1060 = 1413.33, truncated.
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{254, 10, 1413, 1060}));
  EXPECT_EQ(s.host.moves.back(), (Rect{244, 0, 1677, 1080}));
  EXPECT_EQ(s.view.LastWindowRect(), (PixelBox{244, 0, 1433, 1080}));
}

TEST(Layout, ZeroHeightPictureGetsTheSquareMinimumBox) {
  for (const PixelSize picture : {PixelSize{0, 0}, PixelSize{100, 0}, PixelSize{0, 100}}) {
    SCOPED_TRACE(picture.width);
    Scene s({kFullHd}, tvtest::CentredAt(960, 540));
    s.Show(picture.width, picture.height);
    EXPECT_DOUBLE_EQ(s.view.AspectRatio(), 1.0);
    EXPECT_GE(s.view.PictureRect().width, 0);
    EXPECT_GE(s.view.PictureRect().height, 0);
    EXPECT_TRUE(std::isfinite(s.view.Options().SizeRatio));
  }
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.Show(0, 0);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{935, 515, 50, 50}));
  EXPECT_TRUE(s.view.MinSizeApplied());
}

TEST(Layout, SecondMonitorLeftOfAndAboveThePrimary) {
  const MonitorList monitors = {Screen(1920, 1080), {{-1280, -1024, 0, 0}, {-1280, -1024, 0, -40}}};
  ViewOptions o = tvtest::CentredAt(-640, -512);
  o.PositionMode = 1;
  Scene s(monitors, o);
  EXPECT_EQ(s.view.DesktopRect(), (Rect{-1280, -1024, 1920, 1080}));
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{-1280, -1024, 1280, 984}));
  s.Show(800, 600);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{-1040, -832, 800, 600}));
  EXPECT_EQ(s.host.moves.back(), (Rect{-1040, -832, -240, -232}));
}

TEST(Layout, CentreOutsideEveryMonitorUsesTheNearestOne) {
  const MonitorList monitors = {Screen(1920, 1080), {{-1280, -1024, 0, 0}, {-1280, -1024, 0, 0}}};
  Scene s(monitors, tvtest::CentredAt(-5000, -200));
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{-1280, -1024, 1280, 1024}));
  s.Show(800, 600);
  // Kept inside the nearest monitor's work area.
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{-1280, -600, 800, 600}));
}

TEST(Layout, NewPictureUnderADragKeepsTheGrabbedPointUnderTheCursor) {
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.host.dragMode = 1;
  s.host.drag.relX = 0.5;
  s.host.drag.relY = 0.25;
  s.host.cursor = {1000, 500};
  s.Show(800, 600);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{600, 350, 800, 600}));
  EXPECT_EQ(s.host.drag.grabOffset, (Point{400, 150}));
  EXPECT_EQ(s.host.drag.startPoint, (Point{1000, 500}));
  EXPECT_EQ(s.host.drag.lastPoint, (Point{1000, 500}));
  EXPECT_EQ(s.host.drag.startSize, (PixelSize{800, 600}));
  EXPECT_EQ(s.host.drag.startLeftTop, (Point{600, 350}));
  EXPECT_EQ(s.host.endDrags, 0);
}

TEST(Layout, DragWithoutAGrabPointEndsAndLaysOutNormally) {
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.host.dragMode = 1;
  s.host.drag.relX = 0.0;
  s.host.drag.relY = 0.5;
  s.Show(800, 600);
  EXPECT_EQ(s.host.endDrags, 1);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{560, 240, 800, 600}));
}

TEST(Layout, RestoringThePreviousPictureKeepsItsZoomAndCentre) {
  ViewOptions o = tvtest::CentredAt(500, 400);
  o.SizeRatio = 0.25;
  o.PositionMode = 5;
  Scene s({kFullHd}, o);
  s.view.SetRestoringPrevious(true);
  s.Show(800, 600);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{400, 325, 200, 150}));
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 0.25);
}
