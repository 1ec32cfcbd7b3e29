// The desktop rectangle and the monitor under a point, for monitor layouts
// the system can report.
#include <gtest/gtest.h>

#include "view/monitor_areas.h"

using namespace tv;

namespace {

MonitorArea Monitor(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return {{l, t, r, b}, {l, t, r, b - 40}};
}

}  // namespace

TEST(DesktopRect, SpansEveryMonitor) {
  struct Row {
    const char* name;
    MonitorList monitors;
    Rect desktop;
  };
  const Row rows[] = {
      {"one monitor", {Monitor(0, 0, 1920, 1080)}, {0, 0, 1920, 1080}},
      {"second left of the primary", {Monitor(0, 0, 1920, 1080), Monitor(-1280, 0, 0, 1024)},
       {-1280, 0, 1920, 1080}},
      {"second above the primary", {Monitor(0, 0, 1920, 1080), Monitor(0, -2160, 3840, 0)},
       {0, -2160, 3840, 1080}},
      {"second left of and above", {Monitor(0, 0, 1920, 1080), Monitor(-1280, -1024, 0, 0)},
       {-1280, -1024, 1920, 1080}},
      {"three in a row", {Monitor(0, 0, 1920, 1080), Monitor(1920, 0, 3840, 1200), Monitor(-1024, 100, 0, 868)},
       {-1024, 0, 3840, 1200}},
      {"no monitor", {}, {0, 0, 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DesktopRectOf(row.monitors), row.desktop);
  }
}

TEST(NearestMonitor, ContainingMonitorWinsElseTheClosest) {
  const MonitorList monitors = {Monitor(0, 0, 1920, 1080), Monitor(-1280, -1024, 0, 0)};
  struct Row {
    const char* name;
    Point p;
    int index;
  };
  const Row rows[] = {
      {"inside the primary", {960, 540}, 0},
      {"inside the second", {-1, -1}, 1},
      {"the primary's top-left pixel", {0, 0}, 0},
      {"right edge is exclusive: beyond it, still nearest the primary", {1920, 500}, 0},
      {"far left, level with the second", {-5000, -200}, 1},
      {"far left, level with the primary", {-5000, 500}, 1},  // 3720 px from the second, 5000 from the primary
      {"far right and below", {100000, 100000}, 0},
      {"above the second", {-600, -3000}, 1},
      {"extreme coordinates", {INT32_MIN, INT32_MAX}, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(NearestMonitor(monitors, row.p), &monitors[row.index]);
  }
}

TEST(NearestMonitor, TieGoesToTheFirstAndEmptyListGivesNone) {
  const MonitorList monitors = {Monitor(0, 0, 100, 100), Monitor(200, 0, 300, 100)};
  // 150 is 51 px from the first (last pixel 99) and 50 px from the second.
  EXPECT_EQ(NearestMonitor(monitors, {150, 50}), &monitors[1]);
  EXPECT_EQ(NearestMonitor(monitors, {149, 50}), &monitors[0]);  // 50 and 51
  const MonitorList same = {Monitor(0, 0, 100, 100), Monitor(0, 0, 100, 100)};
  EXPECT_EQ(NearestMonitor(same, {500, 500}), &same[0]);
  EXPECT_EQ(NearestMonitor({}, {0, 0}), nullptr);
}
