#include "util/timer_ids.h"

#include <atomic>

namespace tv {

std::uintptr_t NextTimerId() noexcept {
  // Low ids are left to dialogs and controls that pick their own.
  static std::atomic<std::uintptr_t> next{1000};
  return next++;
}

}  // namespace tv
