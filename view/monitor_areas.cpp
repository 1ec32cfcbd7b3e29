#include "view/monitor_areas.h"

#include <algorithm>
#include <cstdint>

namespace tv {

Rect DesktopRectOf(const MonitorList& monitors) {
  Rect desk;
  for (const MonitorArea& m : monitors) {
    desk.left = std::min(desk.left, m.monitor.left);
    desk.top = std::min(desk.top, m.monitor.top);
    desk.right = std::max(desk.right, m.monitor.right);
    desk.bottom = std::max(desk.bottom, m.monitor.bottom);
  }
  return desk;
}

namespace {

// Distance along one axis from v to the half-open span [lo, hi).
std::int64_t AxisGap(std::int64_t v, std::int64_t lo, std::int64_t hi) {
  if (v < lo) return lo - v;
  if (v >= hi) return v - (hi - 1);
  return 0;
}

}  // namespace

const MonitorArea* NearestMonitor(const MonitorList& monitors, Point p) {
  const MonitorArea* best = nullptr;
  double bestDistance = 0.0;
  for (const MonitorArea& m : monitors) {
    // A gap can reach 2^32, so its square is taken in doubles.
    const double dx = static_cast<double>(AxisGap(p.x, m.monitor.left, m.monitor.right));
    const double dy = static_cast<double>(AxisGap(p.y, m.monitor.top, m.monitor.bottom));
    const double distance = dx * dx + dy * dy;
    if (best == nullptr || distance < bestDistance) {
      best = &m;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace tv
