#pragma once
#include <windows.h>

namespace tv {

// Brings the window to the foreground even when another program is active,
// leaving it topmost only when asked to.
void BringToFront(HWND window, bool stayTopmost);

}  // namespace tv
