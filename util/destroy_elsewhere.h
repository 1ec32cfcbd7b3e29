#pragma once
// Hands an object's destruction to a short-lived thread of its own. Giving
// back the tens of megabytes of a big picture costs milliseconds that the
// step to the next picture should not wait for.
//
// The object must be safe to destroy on any thread (memory blocks, GDI
// bitmaps no device context has selected). When no thread can be had it is
// destroyed here, before the call returns.
#include <memory>
#include <thread>
#include <utility>

namespace tv {

template <typename T>
void DestroyElsewhere(T&& value) noexcept {
  try {
    auto owned = std::make_unique<std::decay_t<T>>(std::forward<T>(value));
    std::thread([owned = std::move(owned)]() mutable { owned.reset(); }).detach();
  } catch (...) {
    // The lambda, and what it owns, is destroyed on this thread instead.
  }
}

}  // namespace tv
