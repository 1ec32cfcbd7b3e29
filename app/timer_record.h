#pragma once
// A window timer as the viewer keeps it: owner, id, whether it runs, period.
// Ids come from the process-wide counter (util/timer_ids.h).
#include <windows.h>

#include "util/timer_ids.h"

namespace tv {

class TimerRecord {
 public:
  TimerRecord() noexcept : id_(NextTimerId()) {}
  TimerRecord(const TimerRecord&) = delete;
  TimerRecord& operator=(const TimerRecord&) = delete;
  ~TimerRecord() { Kill(); }

  void SetOwner(HWND owner) noexcept { owner_ = owner; }
  void SetPeriod(UINT milliseconds) noexcept { period_ = milliseconds; }
  // (Re)starts the timer with the current period.
  void Start() noexcept;
  void Kill() noexcept;
  // Starts or kills, so the timer runs exactly when `on` holds.
  void RunIf(bool on) noexcept { on ? Start() : Kill(); }

  UINT_PTR Id() const noexcept { return id_; }
  bool Active() const noexcept { return active_; }
  UINT Period() const noexcept { return period_; }

 private:
  HWND owner_ = nullptr;
  UINT_PTR id_;
  UINT period_ = 1000;
  bool active_ = false;
};

}  // namespace tv
