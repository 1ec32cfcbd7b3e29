// Size and place of a newly shown picture in each display mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/view/fake_view_host.h"

using namespace tv;
using tvtest::Scene;

namespace {

struct Row {
  const char* name;
  PixelSize picture;
  std::int32_t rotation;
  Point centre;
  std::int32_t positionMode;
  PixelBox expected;
  double sizeRatio;
  int fitState;
  double setting = 0;  // the fixed ratio or diagonal
};

void RunTable(const std::vector<Row>& table, void (*setMode)(ViewOptions&, double)) {
  for (const Row& row : table) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(row.centre.x, row.centre.y);
    o.PositionMode = row.positionMode;
    setMode(o, row.setting);
    Scene s(o);
    s.Show(row.picture.width, row.picture.height, row.rotation);
    const PixelBox& e = row.expected;
    EXPECT_EQ(s.view.PictureRect(), e);
    EXPECT_DOUBLE_EQ(s.Opt().SizeRatio, row.sizeRatio);
    EXPECT_EQ(s.view.FitState(), row.fitState);
    // Without a border the window is the picture cut to the desktop.
    ASSERT_FALSE(s.host.moves.empty());
    EXPECT_EQ(s.host.moves.back(), (Rect{std::max(0, e.left), std::max(0, e.top), std::min(1920, e.Right()),
                                         std::min(1080, e.Bottom())}));
  }
}

}  // namespace

TEST(Layout, NaturalSizeShrinksIntoTheWorkArea) {
  RunTable({{"both sides too large, height decides", {4000, 3000}, 0, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 0},
            {"raised to the minimum box", {10, 10}, 0, {960, 540}, 0, {935, 515, 50, 50}, 5.0, 0},
            {"fits", {800, 600}, 0, {960, 540}, 0, {560, 240, 800, 600}, 1.0, 0},
            {"only the width too large", {3000, 1000}, 0, {960, 540}, 0, {0, 220, 1920, 640}, 0.64, 0},
            {"centre near the corner: kept inside", {800, 600}, 0, {100, 100}, 0, {0, 0, 800, 600}, 1.0, 0},
            {"turned right", {4000, 3000}, 1, {960, 540}, 0, {555, 0, 810, 1080}, 0.27, 0},
            {"tall and thin turned left", {100, 3000}, 3, {960, 540}, 0, {0, 508, 1920, 64}, 0.64, 0}},
           [](ViewOptions&, double) {});
}

TEST(Layout, FitToScreenFillsOneSide) {
  RunTable({{"height fills", {4000, 3000}, 0, {960, 540}, 0, {240, 0, 1440, 1080}, 0.36, 1},
            {"1x1", {1, 1}, 0, {960, 540}, 0, {420, 0, 1080, 1080}, 1080.0, 1},
            {"centre left: left edge", {4000, 3000}, 0, {100, 540}, 0, {0, 0, 1440, 1080}, 0.36, 1},
            {"Right Top", {4000, 3000}, 0, {960, 540}, 3, {480, 0, 1440, 1080}, 0.36, 1},
            {"width fills, centre low", {3000, 1000}, 0, {960, 1070}, 0, {0, 440, 1920, 640}, 0.64, 2},
            {"width fills, Left Bottom", {3000, 1000}, 0, {960, 540}, 4, {0, 440, 1920, 640}, 0.64, 2}},
           [](ViewOptions& o, double) { o.FitToScreen = true; });
}

TEST(Layout, UseWholeScreenCoversTheWorkArea) {
  RunTable({{"width fills", {4000, 3000}, 0, {960, 540}, 0, {0, -180, 1920, 1440}, 0.48, 2},
            {"Right Bottom", {4000, 3000}, 0, {960, 540}, 5, {0, -360, 1920, 1440}, 0.48, 2},
            {"centre high: no gap at the bottom", {4000, 3000}, 0, {960, 100}, 0, {0, -360, 1920, 1440}, 0.48, 2},
            {"height fills", {3000, 1000}, 0, {960, 540}, 0, {-660, 0, 3240, 1080}, 1.08, 1},
            {"1x1", {1, 1}, 0, {960, 540}, 0, {0, -420, 1920, 1920}, 1920.0, 2}},
           [](ViewOptions& o, double) { o.UseWholeScreen = true; });
}

// Never shrunk into the work area: the window is cut to the desktop.
TEST(Layout, FixSizeRatioShowsEveryPictureAtTheSameZoom) {
  RunTable({{"half", {800, 600}, 0, {960, 540}, 0, {760, 390, 400, 300}, 0.5, 0, 0.5},
            {"larger than the screen", {4000, 3000}, 0, {960, 540}, 0, {-3040, -2460, 8000, 6000}, 2.0, 0, 2.0},
            {"largest ratio, largest picture", {65535, 65535}, 0, {960, 540}, 0,
             {960 - 6553500, 540 - 6553500, 13107000, 13107000}, 200.0, 0, 200.0},
            {"tiny ratio: the minimum box", {800, 600}, 0, {960, 540}, 0, {932, 519, 56, 42}, 0.07, 0, 0.001}},
           [](ViewOptions& o, double r) { o.FixSizeRatio = true, o.SizeRatio = r; });
}

TEST(Layout, FixDiagonalLengthScalesToTheDiagonal) {
  RunTable({{"half", {800, 600}, 0, {960, 540}, 0, {760, 390, 400, 300}, 0.5, 0, 500},
            {"small picture raised, then scaled", {30, 40}, 0, {960, 540}, 0, {660, 140, 600, 800}, 20.0, 0, 1000}},

           [](ViewOptions& o, double d) { o.FixDiagonalLength = true, o.DiagonalLength = static_cast<int>(d); });
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FixDiagonalLength = true;
  o.DiagonalLength = 3000;
  Scene s(o);
  s.Show(4000, 3000);
  EXPECT_EQ(s.Size(), (PixelSize{2400, 1800}));  // larger than the screen is not shrunk
  o.UseWholeScreen = true;  // whole screen wins over the fixed diagonal
  Scene whole(o);
  whole.Show(4000, 3000);
  EXPECT_EQ(whole.view.PictureRect(), (PixelBox{0, -180, 1920, 1440}));
}

// A diagonal of 0 (as a fresh settings file holds) used to shrink every picture to nothing.
TEST(Layout, FixedDiagonalOfZeroStillShowsTheMinimumBox) {
  Scene s(tvtest::With([](ViewOptions& o) { o.FixDiagonalLength = true, o.DiagonalLength = 0; }));
  s.Show(800, 600);
  EXPECT_EQ(s.Size(), (PixelSize{57, 42}));
}

TEST(Layout, ZeroHeightPictureGetsTheSquareMinimumBox) {
  for (const PixelSize picture : {PixelSize{0, 0}, PixelSize{100, 0}, PixelSize{0, 100}}) {
    Scene s;
    s.Show(picture.width, picture.height);
    EXPECT_DOUBLE_EQ(s.view.AspectRatio(), 1.0);
    EXPECT_TRUE(std::isfinite(s.Opt().SizeRatio));
    EXPECT_GE(s.view.PictureRect().width, 0);
    EXPECT_GE(s.view.PictureRect().height, 0);
  }
  Scene s;
  s.Show(0, 0);
  EXPECT_TRUE(s.view.MinSizeApplied());
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{935, 515, 50, 50}));
}

// A side that rounds to 0 made the window vanish: a 1 x 3000 picture was
// laid out 0 pixels wide.
TEST(Layout, NoLaidOutSideIsBelowOnePixel) {
  const struct {
    const char* name;
    PixelSize picture;
    std::int32_t rotation;
    void (*mode)(ViewOptions&);
    void (*then)(ViewGeometry&);
    PixelSize expected;
  } rows[] = {
      {"thin and tall", {1, 3000}, 0, [](ViewOptions&) {}, [](ViewGeometry&) {}, {1, 1080}},
      {"wide and flat", {3000, 1}, 0, [](ViewOptions&) {}, [](ViewGeometry&) {}, {1920, 1}},
      {"turned onto its side", {3000, 1}, 1, [](ViewOptions&) {}, [](ViewGeometry&) {}, {1, 1080}},
      {"fit to screen", {1, 3000}, 0, [](ViewOptions& o) { o.FitToScreen = true; }, [](ViewGeometry&) {}, {1, 1080}},
      {"zoomed out", {1, 3000}, 0, [](ViewOptions&) {}, [](ViewGeometry& v) { v.ZoomTo(0.05); }, {1, 150}},
      {"width message of 0", {800, 600}, 0, [](ViewOptions&) {},
       [](ViewGeometry& v) { v.HandleSizeMessage(kSetWidthMessage, 0, 0); }, {1, 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(960, 540);
    row.mode(o);
    Scene s(o);
    s.Show(row.picture.width, row.picture.height, row.rotation);
    row.then(s.view);
    EXPECT_EQ(s.Size(), row.expected);
    ASSERT_FALSE(s.host.moves.empty());
    EXPECT_GE(s.host.moves.back().Width(), 1);
    EXPECT_GE(s.host.moves.back().Height(), 1);
  }
}

TEST(Layout, PositionModesPlaceTheNaturalSizeAndMoveTheCentre) {
  // Odd sizes show which corner modes round the centre up.
  const MonitorArea taskBar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
  const struct { int mode; PixelBox rect; Point centre; } rows[] = {
      {0, {0, 0, 801, 601}, {100, 100}},  // mode none: the clamp moves the picture, not the centre
      {1, {560, 220, 801, 601}, {960, 520}},   {2, {0, 0, 801, 601}, {400, 300}},
      {3, {1119, 0, 801, 601}, {1519, 301}},   {5, {1119, 439, 801, 601}, {1520, 740}}};
  for (const auto& row : rows) {
    ViewOptions o = tvtest::CentredAt(100, 100);
    o.PositionMode = row.mode;
    Scene s(o, {taskBar});
    s.Show(801, 601);
    EXPECT_EQ(s.view.PictureRect(), row.rect) << row.mode;
    EXPECT_EQ(s.Centre(), row.centre) << row.mode;
  }
}

TEST(Layout, ScreenShapedFitBorderAndRestoredPicture) {
  Scene fit(tvtest::With([](ViewOptions& o) { o.FitToScreen = true; }));
  fit.view.SetPictureRect({5, 7, 100, 100});
  fit.Show(3840, 2160);  // the screen's shape: the position is kept
  EXPECT_EQ(fit.view.FitState(), 3);
  EXPECT_EQ(fit.view.PictureRect(), (PixelBox{5, 7, 1920, 1080}));
  Scene border(tvtest::With([](ViewOptions& o) { o.FrameWidth = 10; }));
  border.Show(4000, 3000);
  EXPECT_EQ(border.view.PictureRect(), (PixelBox{254, 10, 1413, 1060}));  // 1413.33 truncated
  EXPECT_EQ(border.host.moves.back(), (Rect{244, 0, 1677, 1080}));
  Scene restored(tvtest::With([](ViewOptions& o) { o.SizeRatio = 0.25, o.PositionMode = 5; }, 500, 400));
  restored.view.SetRestoringPrevious(true);  // keeps its zoom and centre
  restored.Show(800, 600);
  EXPECT_EQ(restored.view.PictureRect(), (PixelBox{400, 325, 200, 150}));
}

TEST(Layout, SecondMonitorLeftOfAndAboveThePrimary) {
  const MonitorList monitors = {tvtest::Screen(1920, 1080), {{-1280, -1024, 0, 0}, {-1280, -1024, 0, -40}}};
  Scene s(tvtest::With([](ViewOptions& o) { o.PositionMode = 1; }, -640, -512), monitors);
  EXPECT_EQ(s.view.DesktopRect(), (Rect{-1280, -1024, 1920, 1080}));
  s.Show(800, 600);
  EXPECT_EQ(s.host.moves.back(), (Rect{-1040, -832, -240, -232}));
  Scene far(tvtest::CentredAt(-5000, -200), monitors);  // outside every monitor: the nearest
  far.Show(800, 600);
  EXPECT_EQ(far.view.PictureRect(), (PixelBox{-1280, -640, 800, 600}));
}

TEST(Layout, NewPictureUnderADragKeepsTheGrabbedPointUnderTheCursor) {
  Scene s, t;
  s.host.dragMode = t.host.dragMode = 1;
  s.host.drag.relX = 0.5;
  s.host.drag.relY = t.host.drag.relY = 0.25;
  s.host.cursor = {1000, 500};
  s.Show(800, 600);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{600, 350, 800, 600}));
  EXPECT_EQ(s.host.drag.grabOffset, (Point{400, 150}));
  EXPECT_EQ(s.host.endDrags, 0);
  t.Show(800, 600);  // without a grab point the drag ends
  EXPECT_EQ(t.host.endDrags, 1);
  EXPECT_EQ(t.view.PictureRect(), (PixelBox{560, 240, 800, 600}));
}
