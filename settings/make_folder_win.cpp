#include <windows.h>

#include "settings/make_folder.h"
#include "util/file_system.h"

namespace tv {

bool MakeFolderIfMissing(const std::wstring& path) {
  if (IsExistingFolder(path)) return true;
  ::CreateDirectoryW(ExtendedLengthPath(path).c_str(), nullptr);
  return IsExistingFolder(path);
}

}  // namespace tv
