#include "filelist/folder_identity.h"

#include <vector>

#include "util/file_system.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace tv {

namespace {
constexpr std::wstring_view kIdPrefix = L"id:";
}  // namespace

std::wstring FolderIdentity(const std::wstring& folder) {
  // Backup semantics open a folder; without FILE_FLAG_OPEN_REPARSE_POINT the
  // handle is that of the link's target.
  UniqueFile handle(::CreateFileW(ExtendedLengthPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return L"text:" + folder;
  return FolderIdentityOfHandle(handle.get(), folder);
}

std::wstring FolderIdentityOfHandle(HANDLE handle, const std::wstring& folder) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileInformationByHandle(handle, &info) && (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0)) {
    const unsigned long long index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return std::wstring(kIdPrefix) + HexText(info.dwVolumeSerialNumber) + L":" + HexText(index);
  }
  std::vector<wchar_t> buffer(32768, L'\0');
  const DWORD length =
      ::GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
  if (length > 0 && length < buffer.size()) return L"final:" + std::wstring(buffer.data(), length);
  return L"text:" + folder;
}

std::wstring SubfolderIdentity(const std::wstring& parentIdentity, std::uint64_t listedFileId) {
  if (listedFileId == 0 || !parentIdentity.starts_with(kIdPrefix)) return {};
  const size_t indexStart = parentIdentity.rfind(L':') + 1;  // after "id:<serial>:"
  return parentIdentity.substr(0, indexStart) + HexText(listedFileId);
}

}  // namespace tv
