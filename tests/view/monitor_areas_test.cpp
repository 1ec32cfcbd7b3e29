// The desktop rectangle and the monitor under a point.
#include <gtest/gtest.h>

#include "view/monitor_areas.h"

using namespace tv;

namespace {
MonitorArea Monitor(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return {{l, t, r, b}, {l, t, r, b - 40}};
}
}  // namespace

TEST(DesktopRect, SpansEveryMonitor) {
  EXPECT_EQ(DesktopRectOf({Monitor(0, 0, 1920, 1080), Monitor(-1280, -1024, 0, 0)}), (Rect{-1280, -1024, 1920, 1080}));
  EXPECT_EQ(DesktopRectOf({Monitor(0, 0, 1920, 1080), Monitor(1920, 0, 3840, 1200), Monitor(-1024, 100, 0, 868)}),
            (Rect{-1024, 0, 3840, 1200}));
  EXPECT_EQ(DesktopRectOf({}), (Rect{0, 0, 0, 0}));
}

TEST(NearestMonitor, ContainingMonitorWinsElseTheClosest) {
  const MonitorList monitors = {Monitor(0, 0, 1920, 1080), Monitor(-1280, -1024, 0, 0)};
  const struct { Point p; int index; } rows[] = {
      {{-1, -1}, 1},     {{0, 0}, 0},
      {{1920, 500}, 0},  // the right edge is exclusive
      {{-5000, 500}, 1},  // 3720 px from the second, 5000 from the primary
      {{100000, 100000}, 0}, {{INT32_MIN, INT32_MAX}, 1}};
  for (const auto& row : rows) EXPECT_EQ(NearestMonitor(monitors, row.p), &monitors[row.index]) << row.p.x;
  const MonitorList pair = {Monitor(0, 0, 100, 100), Monitor(200, 0, 300, 100)};
  EXPECT_EQ(NearestMonitor(pair, {150, 50}), &pair[1]);  // 51 px from the first's last pixel, 50 from the second
  EXPECT_EQ(NearestMonitor(pair, {149, 50}), &pair[0]);
  const MonitorList same = {Monitor(0, 0, 100, 100), Monitor(0, 0, 100, 100)};
  EXPECT_EQ(NearestMonitor(same, {500, 500}), &same[0]);  // a tie goes to the first
  EXPECT_EQ(NearestMonitor({}, {0, 0}), nullptr);
}
