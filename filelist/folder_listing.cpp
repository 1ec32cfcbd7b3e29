#include "filelist/folder_listing.h"

#include "filelist/folder_enumeration.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/wildcard.h"

namespace tv {

namespace {
std::wstring Followed(bool followShortcuts, std::wstring path) {
  if (followShortcuts && ExtensionOf(path) == L".lnk") return ResolveShortcut(ExtendedLengthPath(path));
  return path;
}
}  // namespace

std::vector<std::wstring> ListFolderFiles(bool followShortcuts, const std::wstring& folder, const std::wstring& mask) {
  std::vector<std::wstring> out;
  FolderEnumeration items(folder);
  while (items.Next()) {
    const std::wstring path = Followed(followShortcuts, items.ItemPath());
    if (IsExistingFile(path) && MatchesMask(path, mask)) out.push_back(path);
  }
  return out;
}

std::vector<std::wstring> ListSubfolders(bool followShortcuts, const std::wstring& folder) {
  std::vector<std::wstring> out;
  FolderEnumeration items(folder);
  while (items.Next()) {
    const std::wstring path = Followed(followShortcuts, items.ItemPath());
    if (IsExistingFolder(path)) out.push_back(path);
  }
  return out;
}

}  // namespace tv
