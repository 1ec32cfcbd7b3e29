// The commands and messages that change the view after layout: zoom, pixel by
// pixel, show in screen, move to centre, position modes, the fit and fix
// toggles, full screen, rotation, the size messages of sibling windows, and
// the window rectangle that follows the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/view/fake_view_host.h"

using namespace tv;
using tvtest::Scene;
using tvtest::Screen;

namespace {

const MonitorArea kFullHd = Screen(1920, 1080);
const MonitorList kTwoMonitors = {kFullHd, {{-1280, -1024, 0, 0}, {-1280, -1024, 0, -40}}};

// An 800 x 600 picture at natural size, centred on a 1920 x 1080 screen at
// (560, 240).
struct Shown : Scene {
  explicit Shown(const ViewOptions& o = tvtest::CentredAt(960, 540), const MonitorList& m = {kFullHd})
      : Scene(m, o) {
    Show(800, 600);
  }
  PixelSize Size() const { return {view.PictureRect().width, view.PictureRect().height}; }
  Point Centre() const { return {view.Options().CenterX, view.Options().CenterY}; }
};

}  // namespace

TEST(Zoom, ZoomToKeepsTheCentreAndRecordsTheDiagonal) {
  Shown s;
  ASSERT_EQ(s.view.PictureRect(), (PixelBox{560, 240, 800, 600}));
  s.view.ZoomTo(1.5);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{360, 90, 1200, 900}));
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 1.5);
  EXPECT_EQ(s.view.Options().DiagonalLength, 1500);
  EXPECT_EQ(s.Centre(), (Point{960, 540}));
}

TEST(Zoom, ZoomToStopsAtTheLargestRatio) {
  Shown s;
  s.view.ZoomTo(1000.0);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 200.0);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{960 - 80000, 540 - 60000, 160000, 120000}));
  // 160000² + 120000² overflows 32 bits; the diagonal does not.
  EXPECT_EQ(s.view.Options().DiagonalLength, 200000);
  EXPECT_EQ(s.view.VisibleRect(), (PixelBox{0, 0, 1920, 1080}));
}

TEST(Zoom, ZoomToBelowTheMinimumGivesTheMinimumBox) {
  Shown s;
  s.view.ZoomTo(0.01);
  EXPECT_EQ(s.Size(), (PixelSize{56, 42}));
  EXPECT_TRUE(s.view.MinSizeApplied());
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 0.07);
}

TEST(Zoom, ZoomSwitchesTheFitModesOff) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FitToScreen = true;
  Shown s(o);
  ASSERT_EQ(s.view.FitState(), 1);
  const int marks = s.host.menuMarkUpdates;
  s.view.ZoomTo(0.5);
  EXPECT_FALSE(s.view.Options().FitToScreen);
  EXPECT_FALSE(s.view.Options().UseWholeScreen);
  EXPECT_EQ(s.view.FitState(), 0);
  EXPECT_GT(s.host.menuMarkUpdates, marks);
  EXPECT_EQ(s.Size(), (PixelSize{400, 300}));
}

TEST(Zoom, ZoomToIgnoresARatioThatIsNoZoom) {
  Shown s;
  const std::size_t moves = s.host.moves.size();
  s.view.ZoomTo(0.0);
  s.view.ZoomTo(-2.0);
  s.view.ZoomTo(std::numeric_limits<double>::quiet_NaN());
  s.view.ZoomAt(10, 10, 0.0);
  EXPECT_EQ(s.host.moves.size(), moves);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 1.0);
}

TEST(Zoom, ZoomAtKeepsThePointUnderTheCursor) {
  struct Row {
    Point cursor;
    PixelBox rect;
  };
  const Row rows[] = {
      {{560, 240}, {560, 240, 1600, 1200}},  // the top-left corner stays put
      {{960, 540}, {160, -60, 1600, 1200}},  // the centre stays put
      {{700, 300}, {420, 180, 1600, 1200}},  // 17.5 % across, 10 % down, before and after
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cursor.x);
    Shown s;
    s.view.ZoomAt(row.cursor.x, row.cursor.y, 2.0);
    EXPECT_EQ(s.view.PictureRect(), row.rect);
    EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 2.0);
    EXPECT_EQ(s.view.Options().DiagonalLength, 2000);
  }
}

TEST(Zoom, ZoomAtAFarAwayCursorStaysInRange) {
  Shown s;
  s.view.ZoomAt(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 200.0);
  EXPECT_EQ(s.Size(), (PixelSize{160000, 120000}));
  // Whatever the cursor, a piece of the picture stays on the desktop.
  EXPECT_GT(s.view.VisibleRect().width, 0);
  EXPECT_GT(s.view.VisibleRect().height, 0);
}

TEST(PixelByPixel, ReturnsToNaturalSizeAroundTheCentre) {
  Shown s;
  s.view.ZoomTo(1.5);
  s.view.ShowPixelByPixel();
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{560, 240, 800, 600}));
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 1.0);
  EXPECT_EQ(s.view.Options().DiagonalLength, 1000);
  EXPECT_EQ(s.host.repaints, 1);
  // Already at 1:1: nothing more happens.
  const std::size_t moves = s.host.moves.size();
  s.view.ShowPixelByPixel();
  EXPECT_EQ(s.host.moves.size(), moves);
  EXPECT_EQ(s.host.repaints, 1);
}

TEST(PixelByPixel, CentreMovedAwayPlacesThePictureByPositionMode) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.PositionMode = 2;
  Shown s(o);
  s.view.ZoomTo(2.0);
  s.view.SetCentre(960, 540);  // no longer the picture's centre
  s.host.painting = true;
  s.view.ShowPixelByPixel();
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, 0, 800, 600}));
  EXPECT_EQ(s.host.repaints, 0) << "no repaint inside a paint";
}

TEST(ShowInScreen, ShrinksIntoTheWorkAreaAroundTheOldCentre) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FixSizeRatio = true;
  o.SizeRatio = 2.0;
  o.AlwaysTop = true;
  Scene s({kFullHd}, o);
  s.Show(4000, 3000);
  ASSERT_EQ(s.view.PictureRect(), (PixelBox{-3040, -2460, 8000, 6000}));
  s.view.ShowInScreen();
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
  EXPECT_EQ(s.view.Options().CenterX, 960);
  EXPECT_EQ(s.view.Options().CenterY, 540);
  EXPECT_EQ(s.view.Options().DiagonalLength, 1800);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 0.36);
  EXPECT_EQ(s.host.broughtToFront, 1);
  EXPECT_TRUE(s.host.lastTopmost);
}

TEST(ShowInScreen, NeverEnlargesButPullsThePictureInside) {
  Shown s;
  s.view.SetPictureRect({1500, 700, 800, 600});
  s.view.ShowInScreen();
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{1120, 480, 800, 600}));
  EXPECT_EQ(s.Centre(), (Point{1520, 780}));
}

TEST(ShowInScreen, SwitchesUseWholeScreenOff) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.UseWholeScreen = true;
  Scene s({kFullHd}, o);
  s.Show(4000, 3000);
  s.view.ShowInScreen();
  EXPECT_FALSE(s.view.Options().UseWholeScreen);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
}

TEST(MoveToCenter, CentresOnTheWorkAreaUnderTheCentre) {
  Shown s(tvtest::CentredAt(-100, -100), kTwoMonitors);
  s.view.MoveToCenter();
  EXPECT_EQ(s.Centre(), (Point{-640, -532}));
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{-1040, -832, 800, 600}));
}

TEST(PositionMode, CommandIdsGiveTheModes) {
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(PositionModeForCommand(kCmdPositionFirst + i), i);
  EXPECT_EQ(PositionModeForCommand(kCmdPositionRightBottom), 5);
  EXPECT_EQ(PositionModeForCommand(33005), -1);
  EXPECT_EQ(PositionModeForCommand(32999), -1);
  EXPECT_EQ(PositionModeForCommand(33007), -1);
}

TEST(PositionMode, SettingAModeMovesThePictureThere) {
  Shown s;
  s.view.SetPositionMode(PositionModeForCommand(kCmdPositionRightBottom));
  EXPECT_EQ(s.view.Options().PositionMode, 5);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{1120, 480, 800, 600}));
  EXPECT_EQ(s.host.moves.back(), (Rect{1120, 480, 1920, 1080}));
  EXPECT_EQ(s.host.menuMarkUpdates, 1);
}

TEST(PositionMode, BeforeStartUpHasFinishedTheLoadedModeIsOnlyApplied) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.PositionMode = 2;
  Shown s(o);
  s.view.SetInitialized(false);
  s.view.SetPositionMode(5);
  EXPECT_EQ(s.view.Options().PositionMode, 2);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, 0, 800, 600}));
}

TEST(Toggles, FitToScreenAndUseWholeScreenExcludeEachOther) {
  Shown s;
  s.view.ToggleFitToScreen();
  EXPECT_TRUE(s.view.Options().FitToScreen);
  EXPECT_EQ(s.view.FitState(), 1);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
  s.view.ToggleUseWholeScreen();
  EXPECT_TRUE(s.view.Options().UseWholeScreen);
  EXPECT_FALSE(s.view.Options().FitToScreen);
  EXPECT_EQ(s.view.FitState(), 2);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, -180, 1920, 1440}));
  // Switching off leaves the picture where it is.
  const std::size_t moves = s.host.moves.size();
  s.view.ToggleUseWholeScreen();
  EXPECT_FALSE(s.view.Options().UseWholeScreen);
  EXPECT_EQ(s.view.FitState(), 0);
  EXPECT_EQ(s.host.moves.size(), moves);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{0, -180, 1920, 1440}));
}

TEST(Toggles, FixSizeRatioAndFixDiagonalLengthExcludeEachOther) {
  Shown s;
  s.view.ToggleFixDiagonalLength(true);
  EXPECT_TRUE(s.view.Options().FixDiagonalLength);
  EXPECT_EQ(s.view.Options().DiagonalLength, 1000);
  s.view.ToggleFixSizeRatio();
  EXPECT_TRUE(s.view.Options().FixSizeRatio);
  EXPECT_FALSE(s.view.Options().FixDiagonalLength);
  s.view.ZoomTo(0.5);  // records 500
  s.view.ToggleFixDiagonalLength(false);  // start-up sync: the loaded diagonal stays
  EXPECT_TRUE(s.view.Options().FixDiagonalLength);
  EXPECT_FALSE(s.view.Options().FixSizeRatio);
  EXPECT_EQ(s.view.Options().DiagonalLength, 500);
}

TEST(Toggles, BeforeStartUpHasFinishedNothingToggles) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FitToScreen = true;
  Scene s({kFullHd}, o);
  s.view.SetInitialized(false);
  s.host.natural = {800, 600};
  s.view.ToggleFitToScreen();  // mirrors the loaded setting
  EXPECT_TRUE(s.view.Options().FitToScreen);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
  s.view.ToggleFixSizeRatio();
  EXPECT_FALSE(s.view.Options().FixSizeRatio);
}

TEST(FullScreen, CoversTheMonitorAndComesBack) {
  const MonitorArea taskBar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
  ViewOptions o = tvtest::CentredAt(960, 520);
  o.FrameWidth = 5;
  o.AlwaysTop = true;
  Shown s(o, {taskBar});
  ASSERT_EQ(s.view.PictureRect(), (PixelBox{560, 220, 800, 600}));
  ASSERT_EQ(s.host.moves.back(), (Rect{555, 215, 1365, 825}));

  s.view.ToggleFullScreen();
  EXPECT_TRUE(s.view.Options().FullScreen);
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{5, 5, 1910, 1070}));
  EXPECT_EQ(s.host.moves.back(), (Rect{0, 0, 1920, 1080}));
  EXPECT_EQ(s.view.LastWindowRect(), (PixelBox{0, 0, 1920, 1080}));
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{560, 220, 800, 600}));
  EXPECT_EQ(s.host.broughtToFront, 1);
  EXPECT_TRUE(s.host.lastTopmost);
  EXPECT_EQ(s.host.repaints, 1);

  s.view.ToggleFullScreen();
  EXPECT_FALSE(s.view.Options().FullScreen);
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{5, 5, 1910, 1030}));
  EXPECT_EQ(s.host.moves.back(), (Rect{555, 215, 1365, 825}));
  EXPECT_EQ(s.host.repaints, 1);
}

TEST(FullScreen, FittedPictureIsLaidOutAgainOnTheWholeMonitor) {
  const MonitorArea taskBar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
  ViewOptions o = tvtest::CentredAt(960, 520);
  o.FitToScreen = true;
  Scene s({taskBar}, o);
  s.Show(4000, 3000);
  ASSERT_EQ(s.view.PictureRect(), (PixelBox{267, 0, 1386, 1040}));
  s.view.ToggleFullScreen();
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
  EXPECT_EQ(s.host.moves.back(), (Rect{0, 0, 1920, 1080}));
}

TEST(SizeMessages, CentreMessageMovesTheWorkAreaButNotThePicture) {
  Shown s({tvtest::CentredAt(960, 540)}, kTwoMonitors);
  const std::size_t moves = s.host.moves.size();
  // A negative coordinate arrives sign-extended in the unsigned parameter.
  EXPECT_TRUE(s.view.HandleSizeMessage(kMsgSetCentre, static_cast<std::uint64_t>(std::int64_t{-640}), -500));
  EXPECT_EQ(s.Centre(), (Point{-640, -500}));
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{-1280, -1024, 1280, 984}));
  EXPECT_EQ(s.host.moves.size(), moves);
}

TEST(SizeMessages, SizeFromWidthHeightOrBox) {
  struct Row {
    const char* name;
    PixelSize picture;
    unsigned message;
    std::uint64_t wParam;
    std::int64_t lParam;
    PixelSize shown;
  };
  const Row rows[] = {
      {"width", {800, 600}, kMsgSetWidth, 400, 0, {400, 300}},
      {"height", {800, 600}, kMsgSetHeight, 450, 0, {600, 450}},
      {"box, wide picture: the width decides", {800, 600}, kMsgSizeFromBox, 1000, 400, {1000, 750}},
      {"box, tall picture: the height decides", {600, 800}, kMsgSizeFromBox, 1000, 400, {300, 400}},
      {"huge unsigned width is limited", {800, 600}, kMsgSetWidth, ~std::uint64_t{0}, 0,
       {kMaxDisplaySide, kMaxDisplaySide / 4 * 3}},
      {"negative box height gives nothing, not a negative size", {600, 800}, kMsgSizeFromBox, 10, -50, {0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ViewOptions o = tvtest::CentredAt(960, 540);
    o.UseWholeScreen = true;
    Scene s({kFullHd}, o);
    s.Show(row.picture.width, row.picture.height);
    EXPECT_TRUE(s.view.HandleSizeMessage(row.message, row.wParam, row.lParam));
    EXPECT_FALSE(s.view.Options().UseWholeScreen);
    EXPECT_EQ((PixelSize{s.view.PictureRect().width, s.view.PictureRect().height}), row.shown);
    EXPECT_EQ(s.host.repaints, 1);
  }
}

TEST(SizeMessages, WidthMessagePlacesByPositionModeAndRecordsTheDiagonal) {
  Shown s;
  s.view.HandleSizeMessage(kMsgSetWidth, 400, 0);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{760, 390, 400, 300}));
  EXPECT_EQ(s.view.Options().DiagonalLength, 500);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 0.5);
  EXPECT_FALSE(s.view.HandleSizeMessage(1029, 1, 1));
}

TEST(Rotation, TurnRightStepsThroughTheQuarterTurns) {
  Shown s;
  ImageEntry entry;
  s.host.entry = &entry;
  const int transforms = s.host.transforms;
  const int expected[] = {3, 2, 1, 0};
  for (int r : expected) {
    s.view.RotateBy(-1);
    EXPECT_EQ(s.host.rotation, r);
    EXPECT_EQ(s.view.Options().RotateValue, r);
    EXPECT_EQ(entry.rotation, r);
  }
  // One turn per step; the refit keeps the natural-size bitmap just made.
  EXPECT_EQ(s.host.transforms, transforms + 4);
  EXPECT_EQ(s.host.menuMarkUpdates, 4);
}

TEST(Rotation, QuarterTurnSwapsTheSidesAroundTheCentre) {
  Shown s;
  s.view.RotateBy(-1);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{660, 140, 600, 800}));
  EXPECT_DOUBLE_EQ(s.view.AspectRatio(), 0.75);
  EXPECT_EQ(s.host.thresholdResets, 1);
}

TEST(Rotation, ZoomRatioSurvivesTheTurn) {
  for (const bool fixSizeRatio : {false, true}) {
    SCOPED_TRACE(fixSizeRatio);
    ViewOptions o = tvtest::CentredAt(960, 540);
    o.FixSizeRatio = fixSizeRatio;
    Shown s(o);
    s.view.ZoomTo(0.5);
    s.view.RotateBy(1);
    EXPECT_EQ(s.Size(), (PixelSize{300, 400}));
    EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 0.5);
    EXPECT_EQ(s.view.Options().FixSizeRatio, fixSizeRatio);
  }
}

TEST(Rotation, SquarePictureIsRepaintedBecauseTheWindowKeepsItsSize) {
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.Show(500, 500);
  s.view.RotateBy(2);
  EXPECT_EQ(s.host.repaints, 1);
  EXPECT_EQ(s.host.rotation, 2);
}

TEST(Rotation, WithNothingOnDisplayOnlyTheSettingTurns) {
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.host.loaded = false;
  s.host.entry = nullptr;
  s.view.RotateBy(-1);
  EXPECT_EQ(s.view.Options().RotateValue, 3);
  EXPECT_EQ(s.host.transforms, 0);
  EXPECT_TRUE(s.host.moves.empty());
  EXPECT_EQ(s.host.menuMarkUpdates, 1);
  s.view.SelectRotation(2);
  EXPECT_EQ(s.view.Options().RotateValue, 2);
  EXPECT_EQ(s.host.transforms, 0);
  EXPECT_TRUE(s.host.moves.empty());
}

TEST(Rotation, SelectingARotationBeforeStartUpOnlyUpdatesTheMarks) {
  Shown s;
  s.view.SetInitialized(false);
  s.view.SelectRotation(1);
  EXPECT_EQ(s.host.rotation, 0);
  EXPECT_EQ(s.view.Options().RotateValue, 0);
  EXPECT_EQ(s.host.menuMarkUpdates, 1);
  s.view.SetInitialized(true);
  s.view.SelectRotation(1);
  EXPECT_EQ(s.host.rotation, 1);
  EXPECT_EQ(s.Size(), (PixelSize{600, 800}));
}

TEST(KeepOnScreen, MinimumPieceStaysOnTheDesktop) {
  struct Row {
    const char* name;
    PixelBox dragged;
    PixelBox kept;
  };
  // 3:2: the minimum piece is 59 x 39 (58.83 x 39.22, each rounded).
  const Row rows[] = {
      {"far up and left", {-10000, -10000, 600, 400}, {-541, -361, 600, 400}},
      {"far down and right", {10000, 10000, 600, 400}, {1861, 1041, 600, 400}},
      {"partly off: not moved", {-500, -300, 600, 400}, {-500, -300, 600, 400}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene s({kFullHd}, tvtest::CentredAt(960, 540));
    s.Show(600, 400);
    s.view.SetPictureRect(row.dragged);
    EXPECT_EQ(s.view.KeepOnScreen(), !(row.dragged == row.kept));
    EXPECT_EQ(s.view.PictureRect(), row.kept);
    s.view.ApplyWindowRect();
    const PixelBox& v = s.view.VisibleRect();
    EXPECT_GE(v.width, 59);
    EXPECT_GE(v.height, 39);
  }
}

TEST(WindowRect, BorderIsCutAtTheDesktopEdge) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FrameWidth = 10;
  Scene s({kFullHd}, o);
  s.Show(600, 400);
  s.view.SetPictureRect({-10000, -10000, 600, 400});
  EXPECT_TRUE(s.view.KeepOnScreen());
  // The piece stays inside the work area, which the border insets.
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{-531, -351, 600, 400}));
  s.view.ApplyWindowRect();
  EXPECT_EQ(s.view.VisibleRect(), (PixelBox{0, 0, 69, 49}));
  EXPECT_EQ(s.host.moves.back(), (Rect{0, 0, 79, 59}));
}

TEST(WindowRect, ListViewHasNoBorder) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FrameWidth = 20;
  Shown s(o);
  EXPECT_EQ(s.host.moves.back(), (Rect{540, 220, 1380, 860}));
  s.view.SetShowingList(true);
  s.view.ApplyWindowRect();
  EXPECT_EQ(s.host.moves.back(), (Rect{560, 240, 1360, 840}));
}

TEST(WindowRect, BorderWidthChangeKeepsThePicture) {
  Shown s;
  s.view.SetFrameWidth(30);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{560, 240, 800, 600}));
  EXPECT_EQ(s.host.moves.back(), (Rect{530, 210, 1390, 870}));
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{30, 30, 1860, 1020}));
}

TEST(WindowRect, SetWindowSizeSwitchesFitOffAndRecordsTheDiagonal) {
  ViewOptions o = tvtest::CentredAt(960, 540);
  o.FitToScreen = true;
  Shown s(o);
  s.view.SetWindowSize(1000, 500);
  EXPECT_FALSE(s.view.Options().FitToScreen);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{460, 290, 1000, 500}));
  EXPECT_EQ(s.view.Options().DiagonalLength, 1118);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 1.25);
  EXPECT_EQ(s.view.Options().FormLeft, 460);
  EXPECT_EQ(s.view.Options().FormTop, 290);
}

TEST(ScaledBitmap, TargetIsTheUnrotatedDisplaySizeAndNeverAboveNatural) {
  Scene s({kFullHd}, tvtest::CentredAt(960, 540));
  s.Show(4000, 3000, 1);
  ASSERT_EQ(s.view.PictureRect(), (PixelBox{555, 0, 810, 1080}));
  EXPECT_EQ(s.host.target, (PixelSize{1080, 810}));
  const int transforms = s.host.transforms;

  s.Show(800, 600);  // fits: made at natural size
  EXPECT_EQ(s.host.target, (PixelSize{800, 600}));
  EXPECT_EQ(s.host.transforms, transforms + 1);

  s.view.ZoomTo(2.0);  // enlargement is left to painting
  EXPECT_EQ(s.host.target, (PixelSize{800, 600}));
  EXPECT_EQ(s.host.transforms, transforms + 1);
  EXPECT_FALSE(s.view.RequestScaledBitmap());
  s.host.transformNeeded = true;
  EXPECT_TRUE(s.view.RequestScaledBitmap());
}

TEST(ScaledBitmap, NothingIsMadeDuringADragUnlessNeeded) {
  Shown s;
  s.host.dragMode = 2;
  s.view.SetPictureRect({0, 0, 400, 300});
  EXPECT_FALSE(s.view.RequestScaledBitmap());
  EXPECT_EQ(s.host.target, (PixelSize{800, 600}));
  s.host.transformNeeded = true;
  EXPECT_TRUE(s.view.RequestScaledBitmap());
  EXPECT_EQ(s.host.target, (PixelSize{400, 300}));
}

TEST(Options, OutOfRangeSettingsAreBroughtIntoRange) {
  Scene s({kFullHd}, {});
  ViewOptions o;
  o.FrameWidth = -5;
  o.PositionMode = 9;
  o.RotateValue = -1;
  o.SizeRatio = std::numeric_limits<double>::quiet_NaN();
  o.DiagonalLength = -3;
  o.CenterX = std::numeric_limits<std::int32_t>::min();
  s.view.SetOptions(o);
  EXPECT_EQ(s.view.Options().FrameWidth, 0);
  EXPECT_EQ(s.view.Options().PositionMode, 5);
  EXPECT_EQ(s.view.Options().RotateValue, 0);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 1.0);
  EXPECT_EQ(s.view.Options().DiagonalLength, 0);
  EXPECT_EQ(s.view.Options().CenterX, -kMaxCentreCoordinate);
  o.FrameWidth = std::numeric_limits<std::int32_t>::max();
  o.SizeRatio = 1e9;
  o.PositionMode = -1;
  s.view.SetOptions(o);
  EXPECT_EQ(s.view.Options().FrameWidth, kMaxFrameWidth);
  EXPECT_DOUBLE_EQ(s.view.Options().SizeRatio, 200.0);
  EXPECT_EQ(s.view.Options().PositionMode, 0);
  s.view.UpdateWorkArea();
  EXPECT_GE(s.view.WorkArea().width, 1) << "a border wider than the screen still leaves a work area";
}

TEST(Monitors, UnknownMonitorsStandInAsOneScreen) {
  tvtest::FakeViewHost host;
  ViewGeometry view(host);
  view.UpdateWorkArea();
  EXPECT_EQ(view.WorkArea(), (PixelBox{0, 0, 640, 480}));
  EXPECT_EQ(view.DesktopRect(), (Rect{0, 0, 640, 480}));
  view.SetMonitors({});
  EXPECT_EQ(view.DesktopRect(), (Rect{0, 0, 640, 480}));
}
