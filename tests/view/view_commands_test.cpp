// The commands and messages that change the view after layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "tests/view/fake_view_host.h"

using namespace tv;
using tvtest::Scene;
using tvtest::Shown;
using tvtest::With;

namespace {
const MonitorArea kTaskBar{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const MonitorList kTwoMonitors = {tvtest::Screen(1920, 1080), {{-1280, -1024, 0, 0}, {-1280, -1024, 0, -40}}};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
void Fit(ViewOptions& o) { o.FitToScreen = true; }
}  // namespace

// Each command on an 800 x 600 picture shown at (560, 240): the picture
// rectangle after it and the diagonal it records (-1: not checked).
TEST(Commands, EachCommandPlacesThePicture) {
  const struct {
    const char* name;
    void (*setup)(ViewOptions&);
    void (*command)(ViewGeometry&);
    PixelBox picture;
    std::int32_t diagonal;
  } rows[] = {
      {"zoom keeps the centre", nullptr, [](ViewGeometry& v) { v.ZoomTo(1.5); }, {360, 90, 1200, 900}, 1500},
      {"zoom below the minimum box", nullptr, [](ViewGeometry& v) { v.ZoomTo(0.01); }, {932, 519, 56, 42}, -1},
      {"no zoom: nothing happens", nullptr,
       [](ViewGeometry& v) { v.ZoomTo(0.0), v.ZoomTo(-2.0), v.ZoomTo(kNaN), v.ZoomAt(10, 10, 0.0); },
       {560, 240, 800, 600}, -1},
      {"zoom at the corner", nullptr, [](ViewGeometry& v) { v.ZoomAt(560, 240, 2.0); }, {560, 240, 1600, 1200}, 2000},
      {"zoom at a point inside", nullptr, [](ViewGeometry& v) { v.ZoomAt(700, 300, 2.0); }, {420, 180, 1600, 1200}, 2000},
      {"pixel by pixel around the centre", nullptr, [](ViewGeometry& v) { v.ZoomTo(1.5), v.ShowPixelByPixel(); },
       {560, 240, 800, 600}, 1000},
      {"pixel by pixel, centre moved: by position mode", [](ViewOptions& o) { o.PositionMode = 2; },
       [](ViewGeometry& v) { v.ZoomTo(2.0), v.SetCentre(960, 540), v.ShowPixelByPixel(); }, {0, 0, 800, 600}, -1},
      {"show in screen pulls inside, never enlarges", nullptr,
       [](ViewGeometry& v) { v.SetPictureRect({1500, 700, 800, 600}), v.ShowInScreen(); }, {1120, 480, 800, 600}, -1},
      {"position command", nullptr,
       [](ViewGeometry& v) { v.SetPositionMode(5); },
       {1120, 480, 800, 600}, -1},
      {"position before start-up is only applied", [](ViewOptions& o) { o.PositionMode = 2; },
       [](ViewGeometry& v) { v.SetInitialized(false), v.SetPositionMode(5); }, {0, 0, 800, 600}, -1},
      {"fit to screen", nullptr, [](ViewGeometry& v) { v.ToggleFitToScreen(); }, {240, 0, 1440, 1080}, -1},
      {"whole screen replaces fit", nullptr, [](ViewGeometry& v) { v.ToggleFitToScreen(), v.ToggleUseWholeScreen(); },
       {0, -180, 1920, 1440}, -1},
      {"whole screen off leaves the picture", nullptr,
       [](ViewGeometry& v) { v.ToggleUseWholeScreen(), v.ToggleUseWholeScreen(); }, {0, -180, 1920, 1440}, -1},
      {"window size", Fit, [](ViewGeometry& v) { v.SetWindowSize(1000, 500); }, {460, 290, 1000, 500}, 1118},
      {"width message", nullptr, [](ViewGeometry& v) { v.HandleSizeMessage(kSetWidthMessage, 400, 0); },
       {760, 390, 400, 300}, 500},
      {"quarter turn around the centre", nullptr, [](ViewGeometry& v) { v.RotateBy(-1); }, {660, 140, 600, 800}, -1},
      {"border width keeps the picture", nullptr, [](ViewGeometry& v) { v.SetFrameWidth(30); },
       {560, 240, 800, 600}, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Shown s(row.setup ? With(row.setup) : tvtest::CentredAt(960, 540));
    row.command(s.view);
    EXPECT_EQ(s.view.PictureRect(), row.picture);
    if (row.diagonal >= 0) {
      EXPECT_EQ(s.Opt().DiagonalLength, row.diagonal);
    }
  }
}

TEST(Zoom, ZoomToStopsAtTheLargestRatio) {
  Shown s;
  s.view.ZoomTo(1000.0);
  EXPECT_DOUBLE_EQ(s.Opt().SizeRatio, 200.0);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{960 - 80000, 540 - 60000, 160000, 120000}));
  EXPECT_EQ(s.Opt().DiagonalLength, 200000);  // the squares overflow 32 bits
  EXPECT_EQ(s.view.VisibleRect(), (PixelBox{0, 0, 1920, 1080}));
}

TEST(Zoom, ZoomAtAFarAwayCursorStaysInRange) {
  Shown s;
  s.view.ZoomAt(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 200.0);
  EXPECT_EQ(s.Size(), (PixelSize{160000, 120000}));
  EXPECT_GT(s.view.VisibleRect().width, 0);
  EXPECT_GT(s.view.VisibleRect().height, 0);
}

TEST(Commands, ModesSwitchEachOtherOff) {
  Shown s(With(Fit));
  s.view.ZoomTo(0.5);
  EXPECT_FALSE(s.Opt().FitToScreen);
  EXPECT_EQ(s.view.FitState(), 0);
  EXPECT_GT(s.host.menuMarkUpdates, 0);
  s.view.ToggleFixDiagonalLength(true);
  s.view.ToggleFixSizeRatio();
  EXPECT_FALSE(s.Opt().FixDiagonalLength);
  s.view.ToggleFixDiagonalLength(false);  // start-up sync: the loaded diagonal stays
  EXPECT_FALSE(s.Opt().FixSizeRatio);
  EXPECT_EQ(s.Opt().DiagonalLength, 500);
  s.view.SetInitialized(false);  // before start-up has finished nothing toggles
  s.view.ToggleFixSizeRatio();
  EXPECT_FALSE(s.Opt().FixSizeRatio);
}

TEST(ShowInScreen, ShrinksIntoTheWorkAreaAndBringsTheWindowToFront) {
  Scene s(With([](ViewOptions& o) { o.UseWholeScreen = o.AlwaysTop = true; }));
  s.Show(4000, 3000);
  s.view.ShowInScreen();
  EXPECT_FALSE(s.Opt().UseWholeScreen);
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{240, 0, 1440, 1080}));
  EXPECT_EQ(s.host.broughtToFront, 1);
  EXPECT_TRUE(s.host.lastTopmost);
  Shown t(tvtest::CentredAt(-100, -100), kTwoMonitors);
  t.view.MoveToCenter();  // the work area under the centre
  EXPECT_EQ(t.view.PictureRect(), (PixelBox{-1040, -832, 800, 600}));
}

TEST(FullScreen, CoversTheMonitorAndComesBack) {
  ViewOptions o = tvtest::CentredAt(960, 520);
  o.FrameWidth = 5;
  Shown s(o, {kTaskBar});
  s.view.ToggleFullScreen();
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{5, 5, 1910, 1070}));
  EXPECT_EQ(s.host.moves.back(), (Rect{0, 0, 1920, 1080}));
  EXPECT_EQ(s.view.PictureRect(), (PixelBox{560, 220, 800, 600}));
  s.view.ToggleFullScreen();
  EXPECT_EQ(s.host.moves.back(), (Rect{555, 215, 1365, 825}));
  o.FitToScreen = true;  // a fitted picture is laid out again on the whole monitor
  Shown fitted(o, {kTaskBar});
  fitted.view.ToggleFullScreen();
  EXPECT_EQ(fitted.Size(), (PixelSize{1426, 1070}));
}

TEST(SizeMessages, CentreMessageMovesTheWorkAreaButNotThePicture) {
  Shown s(tvtest::CentredAt(960, 540), kTwoMonitors);
  const std::size_t moves = s.host.moves.size();
  // A negative coordinate arrives sign-extended in the unsigned parameter.
  EXPECT_TRUE(s.view.HandleSizeMessage(kSetCentreMessage, static_cast<std::uint64_t>(std::int64_t{-640}), -500));
  EXPECT_EQ(s.view.WorkArea(), (PixelBox{-1280, -1024, 1280, 984}));
  EXPECT_EQ(s.host.moves.size(), moves);
  EXPECT_FALSE(s.view.HandleSizeMessage(1029, 1, 1));
}

TEST(SizeMessages, SizeFromWidthHeightOrBox) {
  const struct { PixelSize picture; unsigned message; std::uint64_t wParam; std::int64_t lParam; PixelSize shown; } rows[] = {
      {{800, 600}, kSetHeightMessage, 450, 0, {600, 450}},
      {{800, 600}, kSizeFromBoxMessage, 1000, 400, {1000, 750}},
      {{600, 800}, kSizeFromBoxMessage, 1000, 400, {300, 400}},
      {{800, 600}, kSetWidthMessage, ~std::uint64_t{0}, 0, {kMaxDisplaySide, kMaxDisplaySide / 4 * 3}},
      {{600, 800}, kSizeFromBoxMessage, 10, -50, {1, 1}},  // one pixel, never a negative size
  };
  for (const auto& row : rows) {
    Scene s(With([](ViewOptions& o) { o.UseWholeScreen = true; }));
    s.Show(row.picture.width, row.picture.height);
    EXPECT_TRUE(s.view.HandleSizeMessage(row.message, row.wParam, row.lParam));
    EXPECT_FALSE(s.Opt().UseWholeScreen);
    EXPECT_EQ(s.Size(), row.shown) << row.wParam;
    EXPECT_EQ(s.host.repaints, 1);
  }
}

TEST(Rotation, TurnsReachTheEntryAndKeepTheZoom) {
  Shown s(With([](ViewOptions& o) { o.FixSizeRatio = true; }));
  ImageEntry entry;
  s.host.entry = &entry;
  for (int r : {3, 2, 1, 0}) {
    s.view.RotateBy(-1);
    EXPECT_EQ(s.host.rotation, r);
    EXPECT_EQ(s.Opt().RotateValue, r);
    EXPECT_EQ(entry.rotation, r);
  }
  EXPECT_EQ(s.host.transforms, 5);  // the first show and one per turn
  s.view.ZoomTo(0.5);
  s.view.RotateBy(1);
  EXPECT_EQ(s.Size(), (PixelSize{300, 400}));
  EXPECT_TRUE(s.Opt().FixSizeRatio);
  Scene square;  // the window keeps its size, so only a repaint shows the turn
  square.Show(500, 500);
  square.view.RotateBy(2);
  EXPECT_EQ(square.host.repaints, 1);
  square.view.SetInitialized(false);  // before start-up only the marks change
  square.view.SelectRotation(1);
  EXPECT_EQ(square.host.rotation, 2);
}

TEST(Rotation, WithNothingOnDisplayOnlyTheSettingTurns) {
  Scene s;
  s.host.loaded = false;
  s.view.RotateBy(-1);
  EXPECT_EQ(s.Opt().RotateValue, 3);
  s.view.SelectRotation(2);
  EXPECT_EQ(s.Opt().RotateValue, 2);
  EXPECT_EQ(s.host.transforms, 0);
  EXPECT_TRUE(s.host.moves.empty());
}

TEST(WindowRect, MinimumPieceStaysOnTheDesktopWithTheBorderCut) {
  // 3:2: the minimum piece is 59 x 39.
  const struct { PixelBox dragged, kept; } rows[] = {{{-10000, -10000, 600, 400}, {-541, -361, 600, 400}},
                                                     {{10000, 10000, 600, 400}, {1861, 1041, 600, 400}},
                                                     {{-500, -300, 600, 400}, {-500, -300, 600, 400}}};
  for (const auto& row : rows) {
    Scene s;
    s.Show(600, 400);
    s.view.SetPictureRect(row.dragged);
    EXPECT_EQ(s.view.KeepOnScreen(), !(row.dragged == row.kept));
    EXPECT_EQ(s.view.PictureRect(), row.kept);
  }
  Scene s(With([](ViewOptions& o) { o.FrameWidth = 10; }));
  s.Show(600, 400);
  s.view.SetPictureRect({-10000, -10000, 600, 400});
  s.view.KeepOnScreen();
  s.view.ApplyWindowRect();
  EXPECT_EQ(s.host.moves.back(), (Rect{0, 0, 79, 59}));  // inside the inset work area
  s.view.SetPictureRect({100, 100, 600, 400});
  s.view.SetShowingList(true);  // the list has no border
  s.view.ApplyWindowRect();
  EXPECT_EQ(s.host.moves.back(), (Rect{100, 100, 700, 500}));
}

TEST(ScaledBitmap, TargetIsTheUnrotatedDisplaySizeAndNeverAboveNatural) {
  Scene s;
  s.Show(4000, 3000, 1);
  EXPECT_EQ(s.host.target, (PixelSize{1080, 810}));
  s.Show(800, 600);
  s.view.ZoomTo(2.0);  // enlargement is left to painting
  EXPECT_EQ(s.host.target, (PixelSize{800, 600}));
  EXPECT_FALSE(s.view.RequestScaledBitmap());
  s.host.dragMode = 2;  // during a drag only when needed
  s.view.SetPictureRect({0, 0, 400, 300});
  EXPECT_FALSE(s.view.RequestScaledBitmap());
  s.host.transformNeeded = true;
  EXPECT_TRUE(s.view.RequestScaledBitmap());
  EXPECT_EQ(s.host.target, (PixelSize{400, 300}));
}

TEST(Options, OutOfRangeSettingsAreBroughtIntoRange) {
  Scene s;
  ViewOptions o;
  o.FrameWidth = -5;
  o.PositionMode = 9;
  o.RotateValue = -1;
  o.SizeRatio = kNaN;
  o.DiagonalLength = -3;
  o.CenterX = std::numeric_limits<std::int32_t>::min();
  s.view.SetOptions(o);
  EXPECT_EQ(s.Opt().FrameWidth, 0);
  EXPECT_EQ(s.Opt().PositionMode, 5);
  EXPECT_EQ(s.Opt().RotateValue, 0);
  EXPECT_DOUBLE_EQ(s.Opt().SizeRatio, 1.0);
  EXPECT_EQ(s.Opt().DiagonalLength, 0);
  EXPECT_EQ(s.Opt().CenterX, -kMaxCentreCoordinate);
  o.FrameWidth = std::numeric_limits<std::int32_t>::max();
  o.SizeRatio = 1e9;
  s.view.SetOptions(o);
  EXPECT_EQ(s.Opt().FrameWidth, kMaxFrameWidth);
  EXPECT_DOUBLE_EQ(s.Opt().SizeRatio, 200.0);
  s.view.UpdateWorkArea();
  EXPECT_GE(s.view.WorkArea().width, 1);  // a border wider than the screen still leaves a work area
  tvtest::FakeViewHost host;  // unknown monitors stand in as one screen
  ViewGeometry view(host);
  view.UpdateWorkArea();
  EXPECT_EQ(view.WorkArea(), (PixelBox{0, 0, 640, 480}));
}
