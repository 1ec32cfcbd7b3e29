#pragma once
// The Win32 side of the view geometry: the monitors as the system reports
// them, and the one call that moves the main window.
#include <windows.h>

#include "util/geometry.h"
#include "view/monitor_areas.h"

namespace tv {

// Every display monitor with its work area, in virtual-screen coordinates;
// the primary monitor first.
MonitorList EnumerateMonitors();

// Moves and sizes the main window to `window` (screen coordinates) without
// touching the z-order, and sizes the file-list child (when there is one) to
// the window's whole client area.
void PlaceWindow(HWND mainWindow, HWND fileList, const Rect& window);

}  // namespace tv
