#include "filelist/file_operations.h"

#include <shellapi.h>

#include <optional>

#include "util/file_system.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace tv {
namespace {

FileOpOutcome Outcome(BOOL ok) { return {ok != FALSE, ok ? 0 : ::GetLastError()}; }

struct FileKey {
  DWORD volume;
  unsigned long long index;
};

std::optional<FileKey> KeyOf(const std::wstring& path) {
  UniqueFile file(::CreateFileW(ExtendedLengthPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  const unsigned long long index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  if (index == 0) return std::nullopt;  // a file system without indexes
  return FileKey{info.dwVolumeSerialNumber, index};
}

// Full path with short (8.3) names expanded, so every spelling of an
// existing file comes out alike but for letter case.
std::wstring LongFullPath(const std::wstring& path) {
  std::wstring full(32768, L'\0');
  DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  std::wstring expanded(32768, L'\0');
  length = ::GetLongPathNameW(full.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
  if (length == 0 || length >= expanded.size()) return full;
  expanded.resize(length);
  return expanded;
}

}  // namespace

FileOpOutcome FileOperations::Move(const std::wstring& from, const std::wstring& to, bool replace) const {
  DWORD flags = MOVEFILE_COPY_ALLOWED;
  if (replace) flags |= MOVEFILE_REPLACE_EXISTING;
  return Outcome(::MoveFileExW(ExtendedLengthPath(from).c_str(), ExtendedLengthPath(to).c_str(), flags));
}

FileOpOutcome FileOperations::CreateFolder(const std::wstring& path) const {
  return Outcome(::CreateDirectoryW(ExtendedLengthPath(path).c_str(), nullptr));
}

bool FileOperations::Recycle(const std::vector<std::wstring>& paths) const {
  if (paths.empty()) return true;
  std::wstring list;
  for (const std::wstring& path : paths) {
    list += path;
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner_;
  operation.wFunc = FO_DELETE;
  operation.pFrom = list.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_SIMPLEPROGRESS | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  return ::SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void FileOperations::ShowInExplorer(const std::wstring& path) const {
  const std::wstring parameters = L"/Select," + path;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"Open";
  info.lpFile = L"Explorer.exe";
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  ::ShellExecuteExW(&info);
}

bool FileOperations::SameFile(const std::wstring& a, const std::wstring& b) {
  const std::optional<FileKey> keyA = KeyOf(a);
  if (!keyA) {
    if (!IsExistingFile(a)) return false;
  } else if (const std::optional<FileKey> keyB = KeyOf(b)) {
    return keyA->volume == keyB->volume && keyA->index == keyB->index;
  }
  if (!IsExistingFile(b)) return false;
  return SamePathText(LongFullPath(a), LongFullPath(b));
}

std::wstring FileOperations::ErrorText(DWORD error) {
  wchar_t buffer[512] = {};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) text = L"Error " + DecimalInt(error);
  return text;
}

}  // namespace tv
