// Native build only: paths are UTF-8 on Linux.
#include <sys/stat.h>

#include "settings/make_folder.h"
#include "util/file_system.h"
#include "util/text.h"

namespace tv {

bool MakeFolderIfMissing(const std::wstring& path) {
  if (IsExistingFolder(path)) return true;
  ::mkdir(WideToUtf8(path).c_str(), 0755);
  return IsExistingFolder(path);
}

}  // namespace tv
