#include "filelist/folder_enumeration.h"

#include "filelist/folder_identity.h"
#include "util/file_system.h"

namespace tv {

namespace {

// Large enough that a folder of a few hundred items comes in one call.
constexpr size_t kBatchBytes = 64 * 1024;

// "C:\pics\" opens as "C:\pics", but a drive root keeps its separator.
std::wstring FolderToOpen(const std::wstring& prefix) {
  if (prefix.size() >= 2 && prefix[prefix.size() - 2] != L':') return prefix.substr(0, prefix.size() - 1);
  return prefix;
}

}  // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) return folder + name;
  return folder + L"\\" + name;
}

FolderEnumeration::FolderEnumeration(const std::wstring& folder)
    : folderText_(folder), prefix_(JoinPath(folder, L"")) {
  // Backup semantics open a folder; without FILE_FLAG_OPEN_REPARSE_POINT a
  // link is followed to its target, as a listing by name would.
  folder_.reset(::CreateFileW(ExtendedLengthPath(FolderToOpen(prefix_)).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::wstring FolderEnumeration::Identity() const {
  if (!folder_) return FolderIdentity(folderText_);
  return FolderIdentityOfHandle(folder_.get(), folderText_);
}

bool FolderEnumeration::FetchBatch() {
  if (!buffer_) buffer_ = std::make_unique<std::uint64_t[]>(kBatchBytes / sizeof(std::uint64_t));
  if (!::GetFileInformationByHandleEx(folder_.get(), FileIdBothDirectoryInfo, buffer_.get(),
                                      static_cast<DWORD>(kBatchBytes))) {
    // ERROR_NO_MORE_FILES at the end; any other failure (the folder removed
    // meanwhile, say) ends the listing the same way.
    exhausted_ = true;
    return false;
  }
  item_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer_.get());
  return true;
}

bool FolderEnumeration::NextInBuffer() {
  if (item_ && item_->NextEntryOffset != 0) {
    item_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(reinterpret_cast<const char*>(item_) +
                                                           item_->NextEntryOffset);
    return true;
  }
  return FetchBatch();
}

bool FolderEnumeration::Next() {
  if (!folder_ || exhausted_) return false;
  while (NextInBuffer()) {
    const std::wstring_view name = Name();
    if (name != L"." && name != L"..") return true;
  }
  return false;
}

std::wstring_view FolderEnumeration::Name() const {
  return {item_->FileName, item_->FileNameLength / sizeof(wchar_t)};
}

std::wstring FolderEnumeration::ItemPath() const {
  const std::wstring_view name = Name();
  std::wstring path;
  path.reserve(prefix_.size() + name.size());
  path.append(prefix_).append(name);
  return path;
}

}  // namespace tv
