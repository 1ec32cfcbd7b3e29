#pragma once
// Runs calls into foreign code (GDI+, libwebp, plug-ins) so that a hardware
// fault inside them (access violation, in-page error on a mapped file, illegal
// instruction, integer division by zero) or a C++ exception fails only that
// call. mingw has no __try, so a vectored exception handler sends the faulting
// thread back to the recovery point of its innermost guarded call.
//
// Only the code inside the guarded function is abandoned: objects it owns are
// not destroyed, so keep guarded functions small and move what they create
// into owners outside the guard after they return.
#include <type_traits>
#include <utility>

namespace tv {

// Returns false when `call` faulted or threw; true when it returned normally.
// Guards nest; each thread has its own chain.
bool CallGuarded(void (*call)(void* context), void* context) noexcept;

template <typename F>
bool RunGuarded(F&& function) noexcept {
  using Function = std::remove_reference_t<F>;
  return CallGuarded(
      [](void* context) { (*static_cast<Function*>(context))(); },
      const_cast<void*>(static_cast<const void*>(&function)));
}

}  // namespace tv
