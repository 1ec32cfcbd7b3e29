#pragma once
// Monitors as plain rectangles in virtual-screen coordinates, and the two
// questions the view asks about them: the bounding desktop rectangle and the
// monitor nearest to a point.
#include <vector>

#include "util/geometry.h"

namespace tv {

struct MonitorArea {
  Rect monitor;  // the whole monitor (right and bottom exclusive)
  Rect work;     // the monitor minus task bars and docked windows
};

using MonitorList = std::vector<MonitorArea>;

// Bounding rectangle of all monitors, grown from (0, 0, 0, 0): the primary
// monitor always contains the origin, so the start adds nothing real.
Rect DesktopRectOf(const MonitorList& monitors);

// The monitor containing p, else the one whose rectangle is closest to p
// (the first such in list order on a tie, like the system's nearest rule).
// Null only for an empty list.
const MonitorArea* NearestMonitor(const MonitorList& monitors, Point p);

}  // namespace tv
