#pragma once
// The one-second housekeeping tick: hides the cursor after it has rested for
// three ticks and removes the slide-show mark a few seconds after it showed.
#include "util/geometry.h"

namespace tv {

struct IdleTickResult {
  bool hideCursor = false;     // set the invisible (or, over the list, the arrow) cursor now
  bool redrawForMark = false;  // the slide-show mark has expired: redraw
};

class IdleTicker {
 public:
  IdleTickResult Tick(Point cursor, bool slideShowStep);

  // Mouse activity, hover and leave start the count again.
  void ResetIdle() { idleTicks_ = 0; }
  // The slide-show mark was just drawn.
  void MarkShown() { markTicks_ = 0; }
  int idleTicks() const { return idleTicks_; }
  int markTicks() const { return markTicks_; }

 private:
  int idleTicks_ = 0;   // -1 once the cursor is hidden
  int markTicks_ = -1;  // -1 when no mark is showing
  Point last_{};
};

}  // namespace tv
