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
}  // namespace

std::wstring LocalAppDataFolder() {
  TaskMemoryText folder;
  if (FAILED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, folder.out())) || !folder.get()) return {};
  return folder.get();
}

}  // namespace tv
