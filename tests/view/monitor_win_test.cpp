// The monitors as the system reports them, and the window move, against the
// real window system.
#include <gtest/gtest.h>
#include <windows.h>

#include "util/win_handles.h"
#include "view/monitor_win.h"

using namespace tv;

namespace {

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueResource<WindowTraits>;

Rect WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

TEST(MonitorWin, PrimaryMonitorComesFirstAndHoldsTheOrigin) {
  const MonitorList monitors = EnumerateMonitors();
  ASSERT_FALSE(monitors.empty());
  EXPECT_EQ(static_cast<int>(monitors.size()), GetSystemMetrics(SM_CMONITORS));
  const MonitorArea& primary = monitors.front();
  EXPECT_EQ(primary.monitor, (Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  for (const MonitorArea& m : monitors) {
    EXPECT_GT(m.monitor.Width(), 0);
    EXPECT_GT(m.monitor.Height(), 0);
    // The work area lies inside its monitor.
    EXPECT_GE(m.work.left, m.monitor.left);
    EXPECT_GE(m.work.top, m.monitor.top);
    EXPECT_LE(m.work.right, m.monitor.right);
    EXPECT_LE(m.work.bottom, m.monitor.bottom);
  }
  const Rect desktop = DesktopRectOf(monitors);
  EXPECT_EQ(desktop, (Rect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)}));
}

TEST(MonitorWin, PlaceWindowMovesTheWindowAndSizesTheList) {
  UniqueWindow main(CreateWindowExW(0, L"STATIC", L"view test", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(main);
  // The child goes with its parent.
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10, main.get(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  const Rect target{37, 41, 37 + 321, 41 + 123};
  PlaceWindow(main.get(), list, target);
  EXPECT_EQ(WindowRectOf(main.get()), target);
  EXPECT_EQ(WindowRectOf(list), target) << "the list covers the whole window";
  PlaceWindow(main.get(), nullptr, Rect{-5, -6, 95, 94});
  EXPECT_EQ(WindowRectOf(main.get()), (Rect{-5, -6, 95, 94}));
}
