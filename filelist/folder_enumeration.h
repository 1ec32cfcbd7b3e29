#pragma once
// Walks the items directly inside one folder with the system's find calls,
// in the order they arrive, skipping "." and "..". Works beyond 260
// characters. Windows only.
#include <windows.h>

#include <string>

#include "util/win_handles.h"

namespace tv {

class FolderEnumeration {
 public:
  explicit FolderEnumeration(const std::wstring& folder);
  // False when the folder could not be opened or holds no further item.
  bool Next();
  const WIN32_FIND_DATAW& Item() const { return item_; }
  bool IsFolder() const { return (item_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // folder + "\" + name, without doubling a separator the folder ends with.
  std::wstring ItemPath() const;

 private:
  std::wstring prefix_;
  UniqueFind find_;
  WIN32_FIND_DATAW item_{};
  bool first_ = true;
};

// folder + "\" + name, without doubling a separator the folder ends with.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

}  // namespace tv
