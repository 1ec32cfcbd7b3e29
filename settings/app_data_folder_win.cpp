#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "settings/app_data_folder.h"
#include "util/file_system.h"

namespace tv {

namespace {
// Owner of a text the shell allocated with the task allocator.
class TaskMemoryText {
 public:
  TaskMemoryText() = default;
  TaskMemoryText(const TaskMemoryText&) = delete;
  TaskMemoryText& operator=(const TaskMemoryText&) = delete;
  ~TaskMemoryText() { ::CoTaskMemFree(text_); }
  PWSTR* out() { return &text_; }
  const wchar_t* get() const { return text_; }

 private:
  PWSTR text_ = nullptr;
};

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  TaskMemoryText folder;
  if (FAILED(::SHGetKnownFolderPath(id, 0, nullptr, folder.out())) || !folder.get()) return {};
  return folder.get();
}

std::wstring EnvironmentVariable(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  for (int tries = 0; tries < 2; ++tries) {
    const DWORD length = ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);  // the size needed, terminator included
  }
  return {};
}
}  // namespace

std::wstring LocalAppDataFolder() {
  // LOCALAPPDATA names the same folder unless someone set it on purpose: a
  // portable set-up, or a test keeping its viewers' settings to itself.
  if (const std::wstring fromEnvironment = EnvironmentVariable(L"LOCALAPPDATA");
      !fromEnvironment.empty() && IsExistingFolder(fromEnvironment))
    return fromEnvironment;
  return KnownFolder(FOLDERID_LocalAppData);
}
std::wstring DesktopFolder() { return KnownFolder(FOLDERID_Desktop); }
std::wstring SendToFolder() { return KnownFolder(FOLDERID_SendTo); }

}  // namespace tv
