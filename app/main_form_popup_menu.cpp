// The window's context menu: its run-time texts, and the way it is opened.
#include <windows.h>


#include "app/main_form.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/menu_item_state.h"
#include "menus/message_ids.h"
#include "util/clipboard.h"
#include "view/mouse_math.h"

namespace tv {

std::wstring MainForm::PixelRgbTextAt(POINT screenPoint) const {
  POINT point = screenPoint;
  if (!window_ || !::ScreenToClient(window_, &point)) return RgbText(0, 0, 0);
  const WindowDC dc(window_);
  const COLORREF colour = dc.get() ? ::GetPixel(dc.get(), point.x, point.y) : CLR_INVALID;
  if (colour == CLR_INVALID) return RgbText(0, 0, 0);
  return RgbText(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

void MainForm::TrackPopupAt(POINT point) {
  if (!popup_ || menuOpen_) return;
  if (settings_.ShowingList) TakeListCursor();
  SetItemText(popup_, IDM_HIDE, LocalizedString(visible_ ? IDS_MENU_HIDE : IDS_MENU_SHOW));
  rgbText_ = PixelRgbTextAt(point);
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
  // As with the right button: Ctrl asks for the move menu, or Alt while locked.
  if (::GetKeyState(settings_.Locked ? VK_MENU : VK_CONTROL) & 0x8000) ShowMoveMenu({point.x, point.y});
  else TrackPopupAt(point);
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
