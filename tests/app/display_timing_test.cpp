#include <gtest/gtest.h>

#include "app/idle_tick.h"
#include "app/load_progress.h"

using namespace tv;

TEST(LoadProgress, ShortDecodeDrawsNoBar) {
  LoadProgress progress;
  progress.Start(1000);
  // 20 % after 80 ms: projected 400 ms, still measuring
  EXPECT_FALSE(progress.Report(20, 100, 1080));
  // 40 % after 160 ms: projected 400 ms and past the decision point: suppressed
  EXPECT_FALSE(progress.Report(40, 100, 1160));
  EXPECT_FALSE(progress.Report(99, 100, 1400));
}

TEST(LoadProgress, LongDecodeDrawsInStepsAboveFivePercent) {
  LoadProgress progress;
  progress.Start(0);
  // 10 % after 200 ms: projected 2 s, drawing from base 10
  EXPECT_FALSE(progress.Report(10, 100, 200));  // fraction 0 is no step yet
  EXPECT_FALSE(progress.Report(14, 100, 250));  // (14-10)/90 = 4.4 %
  auto f = progress.Report(15, 100, 260);       // 5.6 %
  ASSERT_TRUE(f);
  EXPECT_NEAR(*f, 5.0 / 90, 1e-9);
  EXPECT_FALSE(progress.Report(19, 100, 300));  // 10 % is not more than 5.6 % + 5 %
  EXPECT_TRUE(progress.Report(21, 100, 300));   // 12.2 %
  EXPECT_FALSE(progress.Report(0, 0, 310));     // a zero denominator draws nothing
}

TEST(LoadProgress, BarSitsOnThePictureBottom) {
  const Rect picture{300, 200, 700, 500};
  EXPECT_EQ(ProgressBarRect(picture, 0.5, 5, false, {}), (Rect{5, 303, 205, 305}));
  EXPECT_EQ(ProgressBarRect(picture, 1.0, 0, true, Point{100, 0}), (Rect{200, 498, 600, 500}));
}

TEST(IdleTicker, HidesCursorAfterThreeRestingTicksOnce) {
  IdleTicker ticker;
  EXPECT_FALSE(ticker.Tick({10, 10}, false).hideCursor);  // moved from (0,0)
  EXPECT_FALSE(ticker.Tick({11, 12}, false).hideCursor);  // 1
  EXPECT_FALSE(ticker.Tick({12, 10}, false).hideCursor);  // 2
  EXPECT_TRUE(ticker.Tick({12, 10}, false).hideCursor);   // 3: hidden
  EXPECT_EQ(ticker.idleTicks(), -1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(ticker.Tick({12, 10}, false).hideCursor);
  ticker.ResetIdle();
  ticker.Tick({12, 10}, false);
  ticker.Tick({12, 10}, false);
  EXPECT_FALSE(ticker.Tick({12, 10}, true).hideCursor);  // a slide-show step never hides it
  EXPECT_EQ(ticker.idleTicks(), -1);
}

TEST(IdleTicker, SlideShowMarkExpiresOnTheThirdTick) {
  IdleTicker ticker;
  ticker.MarkShown();
  EXPECT_FALSE(ticker.Tick({}, false).redrawForMark);
  EXPECT_FALSE(ticker.Tick({}, false).redrawForMark);
  EXPECT_TRUE(ticker.Tick({}, false).redrawForMark);
  EXPECT_EQ(ticker.markTicks(), -1);
  EXPECT_FALSE(ticker.Tick({}, false).redrawForMark);
}
