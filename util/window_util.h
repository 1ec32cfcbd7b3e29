#pragma once
#include <windows.h>

#include <string>

namespace tv {

// Brings the window to the foreground even when another program is active,
// leaving it topmost only when asked to.
void BringToFront(HWND window, bool stayTopmost);

// Full path of this program's own file; empty when the system cannot say.
std::wstring ProgramPath();

}  // namespace tv
