// The notification-area icon: its colour and tip, and its clicks.
#include <windows.h>

#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "util/window_messages.h"
#include "util/window_util.h"

namespace tv {

void MainForm::ShowTrayIcon() {
  if (!window_ || closing_) return;
  const int colour = std::clamp(settings_.TrayIconColor, 0, 5);
  if (!trayPicture_ || colour != trayColour_) {
    const std::wstring name = L"IDI_TRAYICON_" + std::to_wstring(colour);
    trayPicture_ = UniqueIcon(static_cast<HICON>(::LoadImageW(instance_, name.c_str(), IMAGE_ICON,
                                                              ::GetSystemMetrics(SM_CXSMICON),
                                                              ::GetSystemMetrics(SM_CYSMICON), 0)));
    trayColour_ = colour;
  }
  tray_.Show(window_, trayPicture_.get(), identity_.trayTip);
}

// The icon shows the colour chosen at once, as the menu's mark does.
void MainForm::SetTrayIconColor(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  ShowTrayIcon();
}

// Explorer started anew (after a crash, say) and has no icons: ours comes back.
LRESULT MainForm::OnTaskbarCreated(WPARAM, LPARAM, bool&) {
  tray_.ShellRestarted();
  ShowTrayIcon();
  return 0;
}

LRESULT MainForm::OnTrayMessage(WPARAM wParam, LPARAM lParam, bool& useDefault) {
  const auto mouseMessage = static_cast<UINT>(LOWORD(lParam));
  const bool click = mouseMessage == WM_LBUTTONUP || mouseMessage == WM_RBUTTONUP || mouseMessage == WM_MBUTTONUP;
  if (wParam != kTrayIconId || !click) {
    useDefault = true;
    return 0;
  }
  // A dialog or a menu of this window is open: the icon waits until it closed.
  if (modalOpen_ || menuOpen_ != 0) return 0;
  if (mouseMessage == WM_LBUTTONUP) {
    ToggleHide();
    if (visible_) tv::BringToFront(window_, settings_.AlwaysTop);
  } else if (mouseMessage == WM_RBUTTONUP) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::SetForegroundWindow(window_);
    ShowPopupMenu({cursor.x, cursor.y});
    // Lets the menu close when the user clicks elsewhere.
    ::PostMessageW(window_, WM_NULL, 0, 0);
  } else {
    // Ends the program even while locked.
    ::SendMessageW(window_, WM_CLOSE, 0, 0);
  }
  return 0;
}

}  // namespace tv
