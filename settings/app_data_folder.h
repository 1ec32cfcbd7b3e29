#pragma once
#include <string>

namespace tv {

// The user's local (non-roaming) application-data folder (an existing folder
// named by LOCALAPPDATA first); on a system without one, the per-user data
// folder. Empty when it cannot be found.
std::wstring LocalAppDataFolder();
// The user's desktop and "Send To" folders; empty when unknown.
std::wstring DesktopFolder();
std::wstring SendToFolder();

}  // namespace tv
