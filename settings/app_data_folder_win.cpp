#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "settings/app_data_folder.h"

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
}  // namespace

std::wstring LocalAppDataFolder() { return KnownFolder(FOLDERID_LocalAppData); }
std::wstring DesktopFolder() { return KnownFolder(FOLDERID_Desktop); }
std::wstring SendToFolder() { return KnownFolder(FOLDERID_SendTo); }

}  // namespace tv
