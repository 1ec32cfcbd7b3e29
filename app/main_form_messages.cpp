// Which window message goes where: one table, small handlers.
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "app/main_form.h"
#include "util/dropped_files.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/window_messages.h"

namespace tv {
namespace {

using Handler = LRESULT (MainForm::*)(WPARAM, LPARAM, bool&);

}  // namespace

LRESULT CALLBACK MainForm::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* form = reinterpret_cast<MainForm*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<MainForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    if (form) form->window_ = window;
  }
  if (!form) return ::DefWindowProcW(window, message, wParam, lParam);
  bool useDefault = false;
  LRESULT result = 0;
  try {
    result = form->HandleMessage(message, wParam, lParam, useDefault);
  } catch (...) {
    // Nothing may unwind into the system's dispatcher; the message is
    // treated as unhandled.
    useDefault = true;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->window_ = nullptr;
  }
  return useDefault ? ::DefWindowProcW(window, message, wParam, lParam) : result;
}

LRESULT MainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& useDefault) {
  struct Route {
    UINT message;
    Handler handler;
  };
  static constexpr Route kRoutes[] = {
      {WM_CREATE, &MainForm::OnCreate},
      {WM_DESTROY, &MainForm::OnDestroy},
      {WM_ACTIVATE, &MainForm::OnActivate},
      {WM_CLOSE, &MainForm::OnClose},
      {WM_QUERYOPEN, &MainForm::OnQueryOpen},
      {WM_ERASEBKGND, &MainForm::OnEraseBackground},
      {WM_SHOWWINDOW, &MainForm::OnShowWindow},
      {WM_SIZE, &MainForm::OnSize},
      {WM_KEYDOWN, &MainForm::OnKeyDown},
      {WM_SYSKEYDOWN, &MainForm::OnKeyDown},
      {WM_COMMAND, &MainForm::OnCommand},
      {WM_TIMER, &MainForm::OnTimer},
      {WM_LBUTTONDBLCLK, &MainForm::OnDoubleClick},
      {WM_DROPFILES, &MainForm::OnDropFiles},
      {WM_MOUSEMOVE, &MainForm::OnMouseMove},
      {WM_MOUSEHOVER, &MainForm::OnMouseLeaveOrHover},
      {WM_MOUSELEAVE, &MainForm::OnMouseLeaveOrHover},
      {WM_LBUTTONDOWN, &MainForm::OnMouseButton},
      {WM_RBUTTONDOWN, &MainForm::OnMouseButton},
      {WM_MBUTTONDOWN, &MainForm::OnMouseButton},
      {WM_LBUTTONUP, &MainForm::OnMouseButton},
      {WM_RBUTTONUP, &MainForm::OnMouseButton},
      {WM_MBUTTONUP, &MainForm::OnMouseButton},
      {WM_MOUSEWHEEL, &MainForm::OnMouseWheel},
      {WM_SETCURSOR, &MainForm::OnSetCursor},
      {WM_CONTEXTMENU, &MainForm::OnContextMenu},
      {WM_APPCOMMAND, &MainForm::OnAppCommand},
      {kStepMessage, &MainForm::OnStepMessage},
      {kSetCentreMessage, &MainForm::OnSizeMessage},
      {kSizeFromBoxMessage, &MainForm::OnSizeMessage},
      {kSetWidthMessage, &MainForm::OnSizeMessage},
      {kSetHeightMessage, &MainForm::OnSizeMessage},
      {WM_COPYDATA, &MainForm::OnCopyData},
      {WM_ENDSESSION, &MainForm::OnEndSession},
      {kTrayMessage, &MainForm::OnTrayMessage},
      {kPrepareAgainMessage, &MainForm::OnPrepareAgain},
  };
  // Registered at run time, so it cannot stand in the table.
  static const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  if (message == taskbarCreated && taskbarCreated != 0) return OnTaskbarCreated(wParam, lParam, useDefault);
  const auto route = std::find_if(std::begin(kRoutes), std::end(kRoutes),
                                  [message](const Route& r) { return r.message == message; });
  if (route == std::end(kRoutes)) {
    useDefault = true;
    return 0;
  }
  currentMessage_ = message;
  return (this->*(route->handler))(wParam, lParam, useDefault);
}

LRESULT MainForm::OnCreate(WPARAM, LPARAM, bool&) {
  listBox_.Create(window_, &MainForm::ListBoxSubclass, this);
  return 0;
}

LRESULT MainForm::OnDestroy(WPARAM, LPARAM, bool&) {
  StopAnimationThread();
  ::PostQuitMessage(0);
  return 0;
}

LRESULT MainForm::OnActivate(WPARAM, LPARAM, bool& useDefault) {
  if (settings_.HideTaskButton) {
    useDefault = true;
    return 0;
  }
  if (redrawHold_ == 0) Redraw();
  return 0;
}

LRESULT MainForm::OnClose(WPARAM, LPARAM, bool& useDefault) {
  // Never tear the window down under a dialog, a decode or a folder scan:
  // the close runs when that work has ended.
  if (CloseMustWait()) {
    closeRequested_ = true;
    return 0;
  }
  RunClosingSequence();
  useDefault = true;
  return 0;
}

LRESULT MainForm::OnQueryOpen(WPARAM, LPARAM, bool& useDefault) {
  visible_ = true;
  useDefault = true;
  return 0;
}

LRESULT MainForm::OnSize(WPARAM wParam, LPARAM, bool& useDefault) {
  if (wParam == SIZE_MINIMIZED) DropPrepared();
  useDefault = true;
  return 0;
}

LRESULT MainForm::OnEraseBackground(WPARAM, LPARAM, bool& useDefault) {
  useDefault = settings_.ShowingList;
  return 0;
}

LRESULT MainForm::OnShowWindow(WPARAM wParam, LPARAM, bool& useDefault) {
  visible_ = wParam != FALSE;
  // Hidden to the tray: the memory of a picture nobody will step to soon goes back.
  if (!visible_) DropPrepared();
  useDefault = true;
  return 0;
}

LRESULT MainForm::OnKeyDown(WPARAM wParam, LPARAM, bool& useDefault) {
  if (!HandleImageKey(static_cast<unsigned>(wParam)) && currentMessage_ == WM_SYSKEYDOWN) useDefault = true;
  return 0;
}

LRESULT MainForm::OnCommand(WPARAM wParam, LPARAM, bool& useDefault) {
  if (!RunCommand(LOWORD(wParam))) useDefault = true;
  return 0;
}

LRESULT MainForm::OnTimer(WPARAM wParam, LPARAM, bool&) {
  if (wParam == slideTimer_.Id()) OnSlideTimer();
  else if (wParam == idleTimer_.Id()) OnIdleTimer();
  return 0;
}

LRESULT MainForm::OnDoubleClick(WPARAM, LPARAM, bool&) {
  mouse_.DoubleClick();
  return 0;
}

LRESULT MainForm::OnDropFiles(WPARAM wParam, LPARAM, bool&) {
  std::vector<std::wstring> paths;
  {
    const UniqueDrop drop(reinterpret_cast<HDROP>(wParam));
    CollectDroppedFiles(drop.get(), paths);
  }
  // The queued key state is stale while another program drags onto this
  // window: only the asynchronous state tells whether Ctrl is held now.
  const bool append = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
  if (paths.empty()) return 0;
  AddPathsToHistory(paths);
  OpenPaths(std::move(paths), 0, append ? 1 : 0);
  return 0;
}

LRESULT MainForm::OnStepMessage(WPARAM wParam, LPARAM, bool&) {
  // Sibling windows step us; never in the middle of a decode or a dialog.
  if (busyDepth_ > 0 || modalOpen_) return 0;
  StepEntries(static_cast<int>(static_cast<INT_PTR>(wParam)));
  return 0;
}

LRESULT MainForm::OnCopyData(WPARAM, LPARAM lParam, bool& useDefault) {
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (!data || data->dwData != kSettingsRemovedData || !store_) {
    useDefault = true;
    return 0;
  }
  // The text comes from another process: only its own length is trusted.
  const auto* text = static_cast<const wchar_t*>(data->lpData);
  std::wstring removed(text ? text : L"", text ? data->cbData / sizeof(wchar_t) : 0);
  removed.resize(std::wcslen(removed.c_str()));
  const std::wstring& ini = store_->IniPath();
  if (!removed.empty() && (SamePathText(ini, removed) || SamePathText(FolderOf(ini), removed))) store_->DisableSaving();
  return TRUE;
}

LRESULT MainForm::OnSizeMessage(WPARAM wParam, LPARAM lParam, bool&) {
  view_.HandleSizeMessage(currentMessage_, static_cast<std::uint64_t>(wParam), static_cast<std::int64_t>(lParam));
  return 0;
}

LRESULT MainForm::OnEndSession(WPARAM wParam, LPARAM, bool&) {
  // The session ends without a close message: save as a close would.
  if (wParam) RunClosingSequence();
  return 0;
}

LRESULT MainForm::OnAppCommand(WPARAM, LPARAM lParam, bool&) {
  if (settings_.Locked) return 0;
  switch (GET_APPCOMMAND_LPARAM(lParam)) {
    case APPCOMMAND_VOLUME_DOWN: ZoomBy(1 / 1.5); break;
    case APPCOMMAND_VOLUME_UP: ZoomBy(1.5); break;
    case APPCOMMAND_MEDIA_NEXTTRACK: StepEntries(1); break;
    case APPCOMMAND_MEDIA_PREVIOUSTRACK: StepEntries(-1); break;
    case APPCOMMAND_MEDIA_STOP:
    case APPCOMMAND_MEDIA_PAUSE:
      if (settings_.SlideShow) ToggleSlideShow();
      break;
    case APPCOMMAND_MEDIA_PLAY:
      if (!settings_.SlideShow) ToggleSlideShow();
      break;
    case APPCOMMAND_MEDIA_PLAY_PAUSE: ToggleSlideShow(); break;
    default: break;
  }
  return 0;
}

LRESULT MainForm::ListBoxSubclass(void* context, HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                  bool& passOn) noexcept {
  auto* form = static_cast<MainForm*>(context);
  try {
    switch (message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (form->HandleListKey(static_cast<unsigned>(wParam))) passOn = false;
        return 0;
      case WM_LBUTTONDBLCLK:
        if (!form->settings_.Locked) form->SetListMode(2, 1);
        passOn = false;
        return 0;
      case WM_MOUSEMOVE:
      case WM_MOUSEHOVER:
      case WM_MOUSELEAVE:
        form->idle_.ResetIdle();
        return 0;
      default:
        (void)lParam;
        return 0;
    }
  } catch (...) {
    return 0;
  }
}

}  // namespace tv
