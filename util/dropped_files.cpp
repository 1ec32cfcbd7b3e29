#include "util/dropped_files.h"

#include "util/file_system.h"
#include "util/win_handles.h"

namespace tv {

namespace {

std::wstring SymbolicLinkTarget(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedLengthPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return {};
  UniqueFile file(::CreateFileW(ExtendedLengthPath(path).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return {};
  std::wstring target(32768, L'\0');
  const DWORD length = ::GetFinalPathNameByHandleW(file.get(), target.data(), static_cast<DWORD>(target.size()),
                                                   FILE_NAME_NORMALIZED);
  if (length == 0 || length >= target.size()) return {};
  target.resize(length);
  if (target.rfind(L"\\\\?\\UNC\\", 0) == 0) target = L"\\\\" + target.substr(8);
  else if (target.rfind(L"\\\\?\\", 0) == 0) target = target.substr(4);
  return target;
}

}  // namespace

size_t CollectDroppedFiles(HDROP drop, std::vector<std::wstring>& list) {
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Sized from the query, so long paths arrive whole.
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    ::DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    if (path.size() > 5 && path.compare(path.size() - 4, 4, L".lnk") == 0) {
      std::wstring target = SymbolicLinkTarget(path);
      if (!target.empty()) path = std::move(target);
    }
    list.push_back(std::move(path));
  }
  return list.size();
}

}  // namespace tv
