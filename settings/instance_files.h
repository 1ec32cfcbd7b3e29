#pragma once
// Names of the files an instance owns besides its ini file: the shortcut
// proposed on the desktop and the one in the "Send To" folder.
#include <string>

namespace tv {

// "taverlune image viewer.lnk" for the default instance, else
// "taverlune image viewer - <name>.lnk".
std::wstring DesktopShortcutName(const std::wstring& name);
// "taverlune image viewer.lnk" for the default instance, else "taverlune <name>.lnk".
std::wstring SendToShortcutName(const std::wstring& name);
// Command-line arguments of the desktop shortcut: none for the default
// instance, else the quoted name switch.
std::wstring DesktopShortcutArguments(const std::wstring& name);
// True when the name, compared without regard to case, is the default instance's.
bool IsDefaultInstanceName(const std::wstring& name);

}  // namespace tv
