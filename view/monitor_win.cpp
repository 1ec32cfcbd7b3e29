#include "view/monitor_win.h"

namespace tv {

namespace {

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) noexcept {
  auto& list = *reinterpret_cast<MonitorList*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const MonitorArea area{ToRect(info.rcMonitor), ToRect(info.rcWork)};
  try {
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
      list.insert(list.begin(), area);
    } else {
      list.push_back(area);
    }
  } catch (...) {
    return FALSE;  // out of memory: keep what was gathered
  }
  return TRUE;
}

}  // namespace

MonitorList EnumerateMonitors() {
  MonitorList list;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
  return list;
}

void PlaceWindow(HWND mainWindow, HWND fileList, const Rect& window) {
  SetWindowPos(mainWindow, nullptr, window.left, window.top, window.Width(), window.Height(),
               SWP_NOZORDER | SWP_NOOWNERZORDER);
  if (fileList != nullptr) SetWindowPos(fileList, nullptr, 0, 0, window.Width(), window.Height(), SWP_NOZORDER);
}

}  // namespace tv
