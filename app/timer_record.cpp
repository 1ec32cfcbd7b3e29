#include "app/timer_record.h"

#include <atomic>

namespace tv {

UINT_PTR NextTimerId() noexcept {
  // Low ids are left to dialogs and controls that pick their own.
  static std::atomic<UINT_PTR> next{1000};
  return next++;
}

void TimerRecord::Start() noexcept {
  if (!owner_) return;
  if (active_) ::KillTimer(owner_, id_);
  active_ = ::SetTimer(owner_, id_, period_, nullptr) != 0;
}

void TimerRecord::Kill() noexcept {
  if (active_ && owner_) ::KillTimer(owner_, id_);
  active_ = false;
}

}  // namespace tv
