#include "forms/control_wrapper.h"

namespace tv {
namespace {
constexpr wchar_t kWrapperProperty[] = L"THIS";
}

bool ControlWrapper::Attach(HWND window, Hook hook, void* context) noexcept {
  if (!window || handle_ || ::GetPropW(window, kWrapperProperty)) return false;
  RECT r{};
  ::GetWindowRect(window, &r);
  rect_ = {r.left, r.top, r.right, r.bottom};
  visible_ = ::IsWindowVisible(window) != FALSE;
  hook_ = hook;
  context_ = context;
  if (!::SetPropW(window, kWrapperProperty, this)) return false;
  handle_ = window;
  previous_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWrapper::Procedure)));
  return true;
}

void ControlWrapper::Detach() noexcept {
  if (!handle_) return;
  ::RemovePropW(handle_, kWrapperProperty);
  // Only our own subclass is taken off; had someone subclassed after us,
  // their procedure would still lead here and find no wrapper, which
  // simply passes the message on.
  if (::GetWindowLongPtrW(handle_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ControlWrapper::Procedure))
    ::SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  handle_ = nullptr;
}

ControlWrapper* ControlWrapper::From(HWND window) noexcept {
  return window ? static_cast<ControlWrapper*>(::GetPropW(window, kWrapperProperty)) : nullptr;
}

LRESULT ControlWrapper::CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
  return previous_ ? ::CallWindowProcW(previous_, window, message, wParam, lParam)
                   : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ControlWrapper::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  ControlWrapper* self = From(window);
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC previous = self->previous_;
    self->Detach();
    return previous ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
  }
  if (self->hook_) {
    bool passOn = true;
    const LRESULT result = self->hook_(self->context_, window, message, wParam, lParam, passOn);
    if (!passOn) return result;
  }
  return self->CallPrevious(window, message, wParam, lParam);
}

}  // namespace tv
