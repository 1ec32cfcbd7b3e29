// The mouse messages of the main window and what the mouse controller asks
// of the window: cursors, capture, menus, stepping and transparency.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "app/main_form.h"

namespace tv {
namespace {

Point ScreenPointOf(HWND window, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(window, &p);
  return {p.x, p.y};
}

// The modifier state of a mouse message: its own key flags, and Alt, which
// mouse messages do not carry.
int ModifiersOf(WPARAM wParam) {
  const auto keys = GET_KEYSTATE_WPARAM(wParam);
  int s = 0;
  if (keys & MK_SHIFT) s |= kModShift;
  if (keys & MK_CONTROL) s |= kModCtrl;
  if (::GetKeyState(VK_MENU) & 0x8000) s |= kModAlt;
  if (keys & MK_LBUTTON) s |= kModLeft;
  if (keys & MK_RBUTTON) s |= kModRight;
  if (keys & MK_XBUTTON1) s |= kModX1;
  if (keys & MK_XBUTTON2) s |= kModX2;
  return s;
}

int ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    default: return 4;
  }
}

}  // namespace

LRESULT MainForm::OnMouseButton(WPARAM wParam, LPARAM lParam, bool&) {
  idle_.ResetIdle();
  const Point p = ScreenPointOf(window_, lParam);
  const bool down = currentMessage_ == WM_LBUTTONDOWN || currentMessage_ == WM_RBUTTONDOWN ||
                    currentMessage_ == WM_MBUTTONDOWN;
  if (down) mouse_.ButtonDown(ButtonOf(currentMessage_), p);
  else mouse_.ButtonUp(ButtonOf(currentMessage_), p, ModifiersOf(wParam));
  return 0;
}

LRESULT MainForm::OnMouseMove(WPARAM wParam, LPARAM lParam, bool&) {
  idle_.ResetIdle();
  if (!trackingLeave_ && window_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_HOVER, window_, HOVER_DEFAULT};
    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
  }
  mouse_.MouseMove(ScreenPointOf(window_, lParam), ModifiersOf(wParam));
  return 0;
}

LRESULT MainForm::OnMouseWheel(WPARAM wParam, LPARAM lParam, bool&) {
  idle_.ResetIdle();
  // The wheel's point is in screen coordinates already.
  mouse_.WheelTurn(GET_WHEEL_DELTA_WPARAM(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, ModifiersOf(wParam));
  return 0;
}

LRESULT MainForm::OnMouseLeaveOrHover(WPARAM, LPARAM, bool&) {
  idle_.ResetIdle();
  if (currentMessage_ == WM_MOUSELEAVE) {
    trackingLeave_ = false;
    mouse_.Leave();
  }
  return 0;
}

LRESULT MainForm::OnSetCursor(WPARAM, LPARAM lParam, bool& useDefault) {
  if (LOWORD(lParam) != HTCLIENT || !currentCursor_) {
    useDefault = true;
    return 0;
  }
  ::SetCursor(currentCursor_);
  return TRUE;
}

void MainForm::LoadCursorSet() {
  settings_.UseCursorSize = std::clamp(settings_.UseCursorSize, 0, 2);
  const wchar_t digit = static_cast<wchar_t>(L'0' + settings_.UseCursorSize);
  const std::wstring hand = std::wstring(L"IDC_HAND_") + digit, grab = std::wstring(L"IDC_GRAB_") + digit;
  // Resource cursors are shared and never destroyed.
  handCursor_ = ::LoadCursorW(instance_, hand.c_str());
  grabCursor_ = ::LoadCursorW(instance_, grab.c_str());
  blankCursor_ = ::LoadCursorW(instance_, L"IDC_NONE");
  if (!handCursor_) handCursor_ = ::LoadCursorW(nullptr, IDC_HAND);
  if (!grabCursor_) grabCursor_ = ::LoadCursorW(nullptr, IDC_SIZEALL);
}

std::wstring MainForm::PixelRgbText() const {
  POINT p{};
  ::GetCursorPos(&p);
  return PixelRgbTextAt(p);
}

// ---------------------------------------------------------------- MouseHost

bool MainForm::Locked() const { return settings_.Locked; }

bool MainForm::ListShown() const { return settings_.ShowingList; }

bool MainForm::LoadingList() const { return scanner_.Busy(); }

bool MainForm::ProgressShown() const { return scanner_.Busy(); }

int MainForm::WheelSensitivity() const { return settings_.WheelSensitivity > 0 ? settings_.WheelSensitivity : 120; }

int MainForm::Transparency() const { return settings_.AlphaBlendValue; }

void MainForm::SetTransparency(int alpha) {
  settings_.AlphaBlendValue = std::clamp(alpha, 1, 255);
  ApplyAlpha();
}

void MainForm::SetCursorShape(CursorShape shape) {
  HCURSOR cursor = nullptr;
  switch (shape) {
    case CursorShape::Arrow: cursor = ::LoadCursorW(nullptr, IDC_ARROW); break;
    case CursorShape::Hand: cursor = handCursor_; break;
    case CursorShape::Grab: cursor = grabCursor_; break;
    case CursorShape::Blank: cursor = blankCursor_; break;
    case CursorShape::SizeNwse: cursor = ::LoadCursorW(nullptr, IDC_SIZENWSE); break;
    case CursorShape::SizeNesw: cursor = ::LoadCursorW(nullptr, IDC_SIZENESW); break;
    case CursorShape::SizeWe: cursor = ::LoadCursorW(nullptr, IDC_SIZEWE); break;
    case CursorShape::SizeNs: cursor = ::LoadCursorW(nullptr, IDC_SIZENS); break;
  }
  currentCursor_ = cursor;
  ::SetCursor(cursor);
}

void MainForm::Capture(bool on) {
  if (on && window_) ::SetCapture(window_);
  else if (!on && ::GetCapture() == window_) ::ReleaseCapture();
}

void MainForm::StepBy(int count) { StepEntries(count); }

void MainForm::TurnQuarters(int quarters) {
  TurnBy(quarters);
  MenuMarksChanged();
}

int MainForm::SiblingCount() { return static_cast<int>(CollectSiblingWindows().size()); }

void MainForm::StepSiblings(int count) { StepAllWindows(count); }

void MainForm::ShowPopupMenu(Point at) {
  ++menusOpened_;
  // Tests that drive the mouse run without a menu that would hold the thread.
  if (!options_.showMessageBoxes) return;
  TrackPopupAt(POINT{at.x, at.y});
}

void MainForm::CloseWindow() {
  if (window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
}

void MainForm::ToggleListView() { SetListMode(0, 1); }

void MainForm::ResetRotation() {
  if (initialized_ && settings_.RotateValue != 0) {
    CriticalSectionLock lock(pictureLock_);
    view_.SelectRotation(0);
    settings_.RotateValue = view_.Options().RotateValue;
  }
  MenuMarksChanged();
}

void MainForm::MarkTransformNeeded() {
  CriticalSectionLock lock(pictureLock_);
  image_.SetTargetSize(image_.outputWidth(), image_.outputHeight());
}

}  // namespace tv
