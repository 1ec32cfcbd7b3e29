#pragma once
// A window a form drives: its rectangle and visibility as found when it was
// attached, and a subclass that finds this wrapper again through the window
// property "THIS". A hook, when set, sees every message before the window's
// own procedure and may answer it itself.
//
// The subclass is taken off again when the window is destroyed or the
// wrapper is, whichever comes first.
#include <windows.h>

#include "util/geometry.h"

namespace tv {

class ControlWrapper {
 public:
  // Set passOn false to answer the message here with the returned value.
  using Hook = LRESULT (*)(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           bool& passOn) noexcept;

  ControlWrapper() = default;
  ~ControlWrapper() { Detach(); }
  ControlWrapper(const ControlWrapper&) = delete;
  ControlWrapper& operator=(const ControlWrapper&) = delete;

  // Records rect and visibility and subclasses window. context is handed to
  // the hook and kept for Context(). False when window is null or already
  // carries a wrapper.
  bool Attach(HWND window, Hook hook = nullptr, void* context = nullptr) noexcept;
  void Detach() noexcept;

  // The wrapper attached to window, or null.
  static ControlWrapper* From(HWND window) noexcept;

  HWND Handle() const noexcept { return handle_; }
  bool Attached() const noexcept { return handle_ != nullptr; }
  void* Context() const noexcept { return context_; }
  // Left, top, right, bottom on the screen at attach time.
  const Rect& ScreenRect() const noexcept { return rect_; }
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool visible) noexcept { visible_ = visible; }

  // The window's own procedure, for a hook that wants its answer first.
  LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const noexcept;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  HWND handle_ = nullptr;
  WNDPROC previous_ = nullptr;
  Hook hook_ = nullptr;
  void* context_ = nullptr;
  Rect rect_;
  bool visible_ = false;
};

}  // namespace tv
