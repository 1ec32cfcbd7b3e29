// Random pictures, screens, settings and commands: the geometry never divides
// by zero, overflows or gives a negative size (the native build runs this under
// the undefined-behaviour sanitizer), and the fit modes keep their promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "tests/view/fake_view_host.h"

using namespace tv;
using tvtest::Scene;

namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min(), kMax32 = std::numeric_limits<std::int32_t>::max();

struct Dice {
  std::mt19937 rng;
  std::int32_t Int(std::int64_t lo, std::int64_t hi) {
    return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(lo, hi)(rng));
  }
  bool Coin() { return Int(0, 1) == 1; }
  std::int32_t Side() {  // often at the ends
    const std::int32_t v[] = {0, 1, 65535, Int(0, 65535)};
    return v[Int(0, 3)];
  }
  std::int32_t Any() {
    const std::int32_t v[] = {kMin32, kMax32, Int(-100000, 100000)};
    return v[Int(0, 2)];
  }
  double Ratio() {
    const double odd[] = {0.0, 1e-300, 1e300, std::numeric_limits<double>::quiet_NaN(), -1.0};
    const int i = Int(0, 7);
    return i < 5 ? odd[i] : std::exp(Int(-1000, 600) / 100.0);
  }
  MonitorArea Monitor() {
    const std::int32_t l = Int(-8000, 8000), t = Int(-8000, 8000), w = Int(1, 8000), h = Int(1, 8000);
    return {{l, t, l + w, t + h}, {l, t, l + w, t + h - Int(0, h - 1)}};
  }
};

void CheckInvariants(const Scene& s) {
  const PixelBox& p = s.view.PictureRect();
  for (const int side : {p.width, p.height}) {
    ASSERT_GE(side, 0);
    ASSERT_LE(side, kMaxDisplaySide);
  }
  ASSERT_GE(s.view.VisibleRect().width, 0);
  ASSERT_GE(s.view.VisibleRect().height, 0);
  ASSERT_GE(s.view.WorkArea().width, 1);
  ASSERT_GE(s.view.WorkArea().height, 1);
  ASSERT_GE(s.Opt().DiagonalLength, 0);
  ASSERT_TRUE(std::isfinite(s.Opt().SizeRatio));
  ASSERT_GE(s.Opt().SizeRatio, 0.0);
  ASSERT_TRUE(std::isfinite(s.view.AspectRatio()));
  ASSERT_GT(s.view.AspectRatio(), 0.0);
  for (const Rect& w : s.host.moves) {
    ASSERT_GE(w.Width(), 0);
    ASSERT_GE(w.Height(), 0);
  }
}

}  // namespace

TEST(ViewProperty, RandomCommandsKeepEverySizeDefined) {
  Dice d{std::mt19937(20240611)};
  for (int round = 0; round < 1500; ++round) {
    MonitorList monitors;
    for (int i = d.Int(0, 3); i > 0; --i) monitors.push_back(d.Monitor());
    ViewOptions o;
    o.CenterX = d.Any();
    o.CenterY = d.Any();
    o.FrameWidth = d.Coin() ? d.Int(0, 30) : d.Any();
    o.PositionMode = d.Int(-1, 6);
    o.RotateValue = d.Int(-2, 5);
    o.FixSizeRatio = d.Coin();
    o.FitToScreen = d.Coin();
    o.UseWholeScreen = !o.FitToScreen && d.Coin();
    o.FixDiagonalLength = !o.FixSizeRatio && d.Coin();
    o.DiagonalLength = d.Any();
    o.FullScreen = d.Coin();
    o.ShowingList = d.Int(0, 5) == 0;
    o.SizeRatio = d.Ratio();
    Scene s(o, monitors);
    s.view.SetRestoringPrevious(d.Int(0, 5) == 0);
    s.Show(d.Side(), d.Side(), d.Int(0, 3));
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(s)) << "round " << round;
    s.view.SetRestoringPrevious(false);
    for (int step = 0; step < 12; ++step) {
      const int op = d.Int(0, 21);
      switch (op) {
        case 0: s.Show(d.Side(), d.Side(), d.Int(0, 3)); break;
        case 1: s.view.ZoomTo(d.Ratio()); break;
        case 2: s.view.ZoomAt(d.Any(), d.Any(), d.Ratio()); break;
        case 3: s.view.ShowPixelByPixel(); break;
        case 4: s.view.ShowInScreen(); break;
        case 5: s.view.MoveToCenter(); break;
        case 6: s.view.SetPositionMode(d.Int(0, 5)); break;
        case 7: s.view.ToggleFitToScreen(); break;
        case 8: s.view.ToggleUseWholeScreen(); break;
        case 9: s.view.ToggleFullScreen(); break;
        case 10: s.view.ToggleFixSizeRatio(); break;
        case 11: s.view.ToggleFixDiagonalLength(true); break;
        case 12: s.view.SetWindowSize(d.Any(), d.Any()); break;
        case 13: s.view.RotateBy(d.Int(-1, 1) | 1); break;
        case 14: s.view.SelectRotation(d.Int(0, 3)); break;
        case 15:
          s.view.HandleSizeMessage(static_cast<unsigned>(d.Int(1025, 1028)),
                                   d.Coin() ? ~std::uint64_t{0} : static_cast<std::uint64_t>(d.Int(0, 100000)), d.Any());
          break;
        case 16: s.view.SetFrameWidth(d.Any()); break;
        case 17:
          s.view.SetPictureRect({d.Any(), d.Any(), d.Any(), d.Any()});
          s.view.KeepOnScreen();
          s.view.ApplyWindowRect();
          break;
        case 18:
          s.host.dragMode = 1;
          s.host.drag.relX = d.Int(-1, 11) / 10.0;
          s.host.drag.relY = d.Int(-1, 11) / 10.0;
          s.host.cursor = {d.Any(), d.Any()};
          s.view.LayoutPicture();
          s.host.dragMode = 0;
          break;
        case 19: s.view.SetShowingList(d.Coin()); break;
        case 20: s.view.SetCentre(d.Any(), d.Any()); s.view.UpdateWorkArea(); break;
        default: s.view.LayoutPicture(); break;
      }
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(s)) << "round " << round << " step " << step << " op " << op;
    }
  }
}

// With room for the minimum box, fit to screen keeps the picture inside and
// touching two sides; whole screen covers the work area (up to a truncated pixel).
TEST(ViewProperty, FitModesKeepTheirPromise) {
  Dice d{std::mt19937(7)};
  for (int round = 0; round < 3000; ++round) {
    ViewOptions o = tvtest::CentredAt(d.Any(), d.Any());
    o.FrameWidth = d.Int(0, 30);
    o.PositionMode = d.Int(0, 5);
    const bool fit = d.Coin();
    (fit ? o.FitToScreen : o.UseWholeScreen) = true;
    Scene s(o, {d.Monitor()});
    s.Show(std::max(d.Side(), 1), std::max(d.Side(), 1), d.Int(0, 3));
    const PixelBox &wa = s.view.WorkArea(), &p = s.view.PictureRect();
    if (wa.width < 71 || wa.height < 71 || s.view.FitState() == 3) continue;
    const int inside = fit ? 0 : 1, sign = fit ? 1 : -1;
    for (const int gap : {p.left - wa.left, p.top - wa.top, wa.Right() - p.Right(), wa.Bottom() - p.Bottom()})
      EXPECT_GE(sign * gap, -inside) << "round " << round;
    EXPECT_TRUE(!fit || p.width == wa.width || p.height == wa.height) << "round " << round;
  }
}
