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

// What a file system says when it does not offer the by-handle directory
// query at all, as opposed to a listing that merely ended or failed.
bool IsRefusedQuery(DWORD error) {
  return error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
         error == ERROR_INVALID_LEVEL || error == ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

FolderEnumeration::FolderEnumeration(const std::wstring& folder, ListingMethod method)
    : folderText_(folder), prefix_(JoinPath(folder, L"")), method_(method) {
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
    if (!started_ && method_ == ListingMethod::Automatic && IsRefusedQuery(::GetLastError())) {
      buffer_.reset();
      method_ = ListingMethod::ByName;
      return false;
    }
    // ERROR_NO_MORE_FILES at the end; any other failure (the folder removed
    // meanwhile, say) ends the listing the same way.
    exhausted_ = true;
    return false;
  }
  started_ = true;
  record_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer_.get());
  return true;
}

bool FolderEnumeration::NextInBuffer() {
  if (record_ && record_->NextEntryOffset != 0) {
    record_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(reinterpret_cast<const char*>(record_) +
                                                             record_->NextEntryOffset);
  } else if (!FetchBatch()) {
    return false;
  }
  item_ = {{record_->FileName, record_->FileNameLength / sizeof(wchar_t)},
           record_->FileAttributes,
           static_cast<std::uint64_t>(record_->FileId.QuadPart),
           static_cast<std::uint64_t>(record_->CreationTime.QuadPart),
           static_cast<std::uint32_t>(record_->EndOfFile.QuadPart)};
  return true;
}

bool FolderEnumeration::NextByName() {
  if (!find_) {
    if (started_) return false;
    started_ = true;
    // Basic information skips the short names nobody here reads; the large
    // fetch asks a share for many items per round trip.
    find_.reset(::FindFirstFileExW(ExtendedLengthPath(prefix_ + L"*").c_str(), FindExInfoBasic, &found_,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find_) return false;
  } else if (!::FindNextFileW(find_.get(), &found_)) {
    find_.reset();
    return false;
  }
  const std::uint64_t created =
      (static_cast<std::uint64_t>(found_.ftCreationTime.dwHighDateTime) << 32) | found_.ftCreationTime.dwLowDateTime;
  item_ = {found_.cFileName, found_.dwFileAttributes, 0, created, found_.nFileSizeLow};
  return true;
}

bool FolderEnumeration::NextRecord() {
  if (method_ != ListingMethod::ByName) {
    if (NextInBuffer()) return true;
    if (method_ != ListingMethod::ByName) return false;  // not a refusal: the listing is over
  }
  return NextByName();
}

bool FolderEnumeration::Next() {
  if (!folder_ || exhausted_) return false;
  while (NextRecord()) {
    const std::wstring_view name = Name();
    if (name != L"." && name != L"..") return true;
  }
  exhausted_ = true;
  return false;
}

std::wstring_view FolderEnumeration::Name() const { return item_.name; }

std::wstring FolderEnumeration::ItemPath() const {
  const std::wstring_view name = Name();
  std::wstring path;
  path.reserve(prefix_.size() + name.size());
  path.append(prefix_).append(name);
  return path;
}

}  // namespace tv
