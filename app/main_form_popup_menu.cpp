// The window's context menu: its run-time texts, and the way it is opened.
#include <windows.h>

#include <cwchar>

#include "app/main_form.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/menu_item_state.h"
#include "menus/message_ids.h"
#include "util/clipboard.h"

namespace tv {

std::wstring MainForm::PixelRgbText(POINT screenPoint) const {
  POINT point = screenPoint;
  ::ScreenToClient(window_, &point);
  const WindowDC dc(window_);
  const COLORREF colour = ::GetPixel(dc.get(), point.x, point.y);
  wchar_t text[8] = {};
  std::swprintf(text, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

void MainForm::ShowPopupMenu(POINT point) {
  if (!popup_ || menuOpen_) return;
  if (settings_.ShowingList) TakeListCursor();
  SetItemText(popup_, IDM_HIDE, LocalizedString(visible_ ? IDS_MENU_HIDE : IDS_MENU_SHOW));
  rgbText_ = PixelRgbText(point);
  SetItemText(popup_, IDM_COPY_RGB_VALUE,
              LocalizedString(IDS_COPY_RGB_HEAD) + rgbText_ + LocalizedString(IDS_COPY_RGB_TAIL) + L"\tShift + P");
  SyncMenuStates();
  menuOpen_ = 1;
  ::TrackPopupMenu(popup_, TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr);
  menuOpen_ = 0;
}

// From the keyboard (the menu key, Shift+F10) or a right click the system
// turned into this message: the menu opens where the cursor is.
LRESULT MainForm::OnContextMenu(WPARAM, LPARAM, bool&) {
  idle_.ResetIdle();
  POINT point{};
  ::GetCursorPos(&point);
  ShowPopupMenu(point);
  return 0;
}

void MainForm::ToggleHide() {
  const bool shown = visible_;
  if (settings_.HideTaskButton) ::ShowWindow(window_, shown ? SW_HIDE : SW_SHOW);
  else ::ShowWindow(window_, shown ? SW_MINIMIZE : SW_SHOWNORMAL);
  visible_ = !shown;
  if (visible_) RepaintNow();
}

void MainForm::CopyRgbText() {
  if (!rgbText_.empty()) CopyTextToClipboard(rgbText_);
}

}  // namespace tv
