// Native build only: the XDG data folder stands in for the local
// application-data folder.
#include <cstdlib>

#include "settings/app_data_folder.h"
#include "util/text.h"

namespace tv {

std::wstring LocalAppDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return Utf8ToWide(data);
  if (const char* home = std::getenv("HOME"); home && *home) return Utf8ToWide(home) + L"/.local/share";
  return {};
}

// No shortcuts are made without the shell.
std::wstring DesktopFolder() { return {}; }
std::wstring SendToFolder() { return {}; }

}  // namespace tv
