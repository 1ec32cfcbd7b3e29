// Random pictures, screens, settings and commands: the geometry never divides
// by zero, overflows or produces a negative size (the native build runs this
// under the undefined-behaviour sanitizer, which stops at the first fault),
// and the fit modes keep their promises whatever the input.
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

class Dice {
 public:
  explicit Dice(std::uint32_t seed) : rng_(seed) {}
  std::int64_t Int(std::int64_t lo, std::int64_t hi) { return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_); }
  bool Coin() { return Int(0, 1) == 1; }
  // A side from 0 to 65535, often at the ends.
  std::int32_t Side() {
    switch (Int(0, 5)) {
      case 0: return 0;
      case 1: return 1;
      case 2: return 65535;
      default: return static_cast<std::int32_t>(Int(0, 65535));
    }
  }
  std::int32_t AnyInt32() {
    switch (Int(0, 3)) {
      case 0: return std::numeric_limits<std::int32_t>::min();
      case 1: return std::numeric_limits<std::int32_t>::max();
      default: return static_cast<std::int32_t>(Int(-100000, 100000));
    }
  }
  double Ratio() {
    switch (Int(0, 6)) {
      case 0: return 0.0;
      case 1: return 1e-300;
      case 2: return 1e300;
      case 3: return std::numeric_limits<double>::quiet_NaN();
      case 4: return -1.0;
      default: return std::exp(static_cast<double>(Int(-1000, 600)) / 100.0);
    }
  }
  MonitorArea Monitor() {
    const std::int32_t l = static_cast<std::int32_t>(Int(-8000, 8000));
    const std::int32_t t = static_cast<std::int32_t>(Int(-8000, 8000));
    const std::int32_t w = static_cast<std::int32_t>(Int(1, 8000));
    const std::int32_t h = static_cast<std::int32_t>(Int(1, 8000));
    const std::int32_t bar = static_cast<std::int32_t>(Int(0, h - 1));
    return {{l, t, l + w, t + h}, {l, t, l + w, t + h - bar}};
  }

 private:
  std::mt19937 rng_;
};

void CheckInvariants(const Scene& scene) {
  const ViewGeometry& v = scene.view;
  const PixelBox& p = v.PictureRect();
  ASSERT_GE(p.width, 0);
  ASSERT_GE(p.height, 0);
  ASSERT_LE(p.width, kMaxDisplaySide);
  ASSERT_LE(p.height, kMaxDisplaySide);
  ASSERT_GE(v.VisibleRect().width, 0);
  ASSERT_GE(v.VisibleRect().height, 0);
  ASSERT_GE(v.WorkArea().width, 1);
  ASSERT_GE(v.WorkArea().height, 1);
  ASSERT_GE(v.Options().DiagonalLength, 0);
  ASSERT_TRUE(std::isfinite(v.Options().SizeRatio));
  ASSERT_GE(v.Options().SizeRatio, 0.0);
  ASSERT_TRUE(std::isfinite(v.AspectRatio()));
  ASSERT_GT(v.AspectRatio(), 0.0);
  for (const Rect& w : scene.host.moves) {
    ASSERT_GE(w.Width(), 0);
    ASSERT_GE(w.Height(), 0);
  }
}

}  // namespace

TEST(ViewProperty, RandomCommandsKeepEverySizeDefined) {
  Dice dice(20240611);
  for (int round = 0; round < 1500; ++round) {
    MonitorList monitors;
    const int count = static_cast<int>(dice.Int(0, 3));
    for (int i = 0; i < count; ++i) monitors.push_back(dice.Monitor());
    ViewOptions o;
    o.CenterX = dice.AnyInt32();
    o.CenterY = dice.AnyInt32();
    o.FrameWidth = dice.Coin() ? static_cast<std::int32_t>(dice.Int(0, 30)) : dice.AnyInt32();
    o.PositionMode = static_cast<std::int32_t>(dice.Int(-1, 6));
    o.RotateValue = static_cast<std::int32_t>(dice.Int(-2, 5));
    o.FixSizeRatio = dice.Coin();
    o.FitToScreen = dice.Coin();
    o.UseWholeScreen = !o.FitToScreen && dice.Coin();
    o.FixDiagonalLength = !o.FixSizeRatio && dice.Coin();
    o.DiagonalLength = dice.AnyInt32();
    o.FullScreen = dice.Coin();
    o.ShowingList = dice.Int(0, 5) == 0;
    o.SizeRatio = dice.Ratio();
    Scene s(monitors, o);
    s.view.SetRestoringPrevious(dice.Int(0, 5) == 0);
    s.Show(dice.Side(), dice.Side(), static_cast<std::int32_t>(dice.Int(0, 3)));
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(s)) << "round " << round;
    s.view.SetRestoringPrevious(false);

    for (int step = 0; step < 12; ++step) {
      const int op = static_cast<int>(dice.Int(0, 21));
      switch (op) {
        case 0: s.Show(dice.Side(), dice.Side(), static_cast<std::int32_t>(dice.Int(0, 3))); break;
        case 1: s.view.ZoomTo(dice.Ratio()); break;
        case 2: s.view.ZoomAt(dice.AnyInt32(), dice.AnyInt32(), dice.Ratio()); break;
        case 3: s.view.ShowPixelByPixel(); break;
        case 4: s.view.ShowInScreen(); break;
        case 5: s.view.MoveToCenter(); break;
        case 6: s.view.SetPositionMode(static_cast<int>(dice.Int(0, 5))); break;
        case 7: s.view.ToggleFitToScreen(); break;
        case 8: s.view.ToggleUseWholeScreen(); break;
        case 9: s.view.ToggleFullScreen(); break;
        case 10: s.view.ToggleFixSizeRatio(); break;
        case 11: s.view.ToggleFixDiagonalLength(true); break;
        case 12: s.view.SetWindowSize(dice.AnyInt32(), dice.AnyInt32()); break;
        case 13: s.view.RotateBy(static_cast<int>(dice.Int(-1, 1)) | 1); break;
        case 14: s.view.SelectRotation(static_cast<int>(dice.Int(0, 3))); break;
        case 15:
          s.view.HandleSizeMessage(static_cast<unsigned>(dice.Int(1025, 1028)),
                                   dice.Coin() ? ~std::uint64_t{0} : static_cast<std::uint64_t>(dice.Int(0, 100000)),
                                   dice.AnyInt32());
          break;
        case 16: s.view.SetFrameWidth(dice.AnyInt32()); break;
        case 17:
          s.view.SetPictureRect({dice.AnyInt32(), dice.AnyInt32(), dice.AnyInt32(), dice.AnyInt32()});
          s.view.KeepOnScreen();
          s.view.ApplyWindowRect();
          break;
        case 18:
          s.host.dragMode = 1;
          s.host.drag.relX = static_cast<double>(dice.Int(-1, 11)) / 10.0;
          s.host.drag.relY = static_cast<double>(dice.Int(-1, 11)) / 10.0;
          s.host.cursor = {dice.AnyInt32(), dice.AnyInt32()};
          s.view.LayoutPicture();
          s.host.dragMode = 0;
          break;
        case 19: s.view.SetShowingList(dice.Coin()); break;
        case 20: s.view.SetCentre(dice.AnyInt32(), dice.AnyInt32()); s.view.UpdateWorkArea(); break;
        default: s.view.LayoutPicture(); break;
      }
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(s)) << "round " << round << " step " << step << " op " << op;
    }
  }
}

// With room for the minimum box, the plain mode shrinks every picture into
// the work area, fit to screen keeps it inside, and whole screen covers the
// work area (up to the one pixel truncation can take from the long side).
TEST(ViewProperty, FitModesKeepTheirPromise) {
  Dice dice(7);
  for (int round = 0; round < 3000; ++round) {
    ViewOptions o;
    const MonitorArea m = dice.Monitor();
    o.CenterX = dice.AnyInt32();
    o.CenterY = dice.AnyInt32();
    o.FrameWidth = static_cast<std::int32_t>(dice.Int(0, 30));
    o.PositionMode = static_cast<std::int32_t>(dice.Int(0, 5));
    const int mode = static_cast<int>(dice.Int(0, 2));
    o.FitToScreen = mode == 1;
    o.UseWholeScreen = mode == 2;
    Scene s({m}, o);
    const std::int32_t w0 = std::max(dice.Side(), 1);
    const std::int32_t h0 = std::max(dice.Side(), 1);
    s.Show(w0, h0, static_cast<std::int32_t>(dice.Int(0, 3)));
    const PixelBox& wa = s.view.WorkArea();
    const PixelBox& p = s.view.PictureRect();
    SCOPED_TRACE(::testing::Message() << "round " << round << " picture " << w0 << "x" << h0 << " mode " << mode);
    if (wa.width < 71 || wa.height < 71) continue;
    if (mode == 0) {
      EXPECT_LE(p.width, wa.width);
      EXPECT_LE(p.height, wa.height);
    } else if (mode == 1 && s.view.FitState() != 3) {
      EXPECT_GE(p.left, wa.left);
      EXPECT_GE(p.top, wa.top);
      EXPECT_LE(p.Right(), wa.Right());
      EXPECT_LE(p.Bottom(), wa.Bottom());
      EXPECT_TRUE(p.width == wa.width || p.height == wa.height);
    } else if (mode == 2 && s.view.FitState() != 3) {
      EXPECT_LE(p.left, wa.left + 1);
      EXPECT_LE(p.top, wa.top + 1);
      EXPECT_GE(p.Right(), wa.Right() - 1);
      EXPECT_GE(p.Bottom(), wa.Bottom() - 1);
    }
  }
}
