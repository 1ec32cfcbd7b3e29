#pragma once
#include <string>

namespace tv {

// The user's local (non-roaming) application-data folder; on a system
// without one, the per-user data folder. Empty when it cannot be found.
std::wstring LocalAppDataFolder();

}  // namespace tv
