#include "app/idle_tick.h"

#include <cstdlib>

namespace tv {

IdleTickResult IdleTicker::Tick(Point cursor, bool slideShowStep) {
  IdleTickResult result;
  const bool rested = std::abs(cursor.x - last_.x) < 3 && std::abs(cursor.y - last_.y) < 3;
  if (rested && idleTicks_ >= 0) ++idleTicks_;
  last_ = cursor;
  if (idleTicks_ > 2) {
    result.hideCursor = !slideShowStep;
    idleTicks_ = -1;
  }
  if (markTicks_ >= 0) {
    if (markTicks_ < 2) {
      ++markTicks_;
    } else {
      markTicks_ = -1;
      result.redrawForMark = true;
    }
  }
  return result;
}

}  // namespace tv
