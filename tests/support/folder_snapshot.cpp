#include "tests/support/folder_snapshot.h"

#include <filesystem>

#include "util/file_system.h"

namespace tvtest {

FolderSnapshot SnapshotOf(const std::wstring& folder) {
  FolderSnapshot snapshot;
  for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
    if (item.is_regular_file())
      snapshot[item.path().lexically_relative(folder).wstring()] = tv::ReadFileBytes(item.path().wstring()).bytes;
  return snapshot;
}

}  // namespace tvtest
