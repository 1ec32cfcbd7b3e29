#include "filelist/folder_enumeration.h"

#include "util/file_system.h"

namespace tv {

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) return folder + name;
  return folder + L"\\" + name;
}

FolderEnumeration::FolderEnumeration(const std::wstring& folder) : prefix_(JoinPath(folder, L"")) {
  // Large fetches cut the number of kernel calls on big folders; the short
  // name is never used.
  find_.reset(::FindFirstFileExW(ExtendedLengthPath(prefix_ + L"*").c_str(), FindExInfoBasic, &item_,
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

bool FolderEnumeration::Next() {
  if (!find_) return false;
  for (;;) {
    if (first_) {
      first_ = false;
    } else if (!::FindNextFileW(find_.get(), &item_)) {
      find_.reset();
      return false;
    }
    const wchar_t* name = item_.cFileName;
    const bool dots = name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
    if (!dots) return true;
  }
}

std::wstring FolderEnumeration::ItemPath() const { return prefix_ + item_.cFileName; }

}  // namespace tv
