#include "app/timer_record.h"

namespace tv {

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
