#include "tests/support/folder_snapshot.h"

#include <windows.h>

#include "util/file_system.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

void Collect(const std::wstring& folder, const std::wstring& below, FolderSnapshot& snapshot) {
  WIN32_FIND_DATAW item{};
  const tv::UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &item));
  if (!find) return;
  do {
    const std::wstring name = item.cFileName;
    if (name == L"." || name == L"..") continue;
    if (item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Collect(folder + L"\\" + name, below + name + L"\\", snapshot);
    else snapshot[below + name] = tv::ReadFileBytes(folder + L"\\" + name).bytes;
  } while (::FindNextFileW(find.get(), &item));
}

}  // namespace

FolderSnapshot SnapshotOf(const std::wstring& folder) {
  FolderSnapshot snapshot;
  Collect(folder, L"", snapshot);
  return snapshot;
}

}  // namespace tvtest
