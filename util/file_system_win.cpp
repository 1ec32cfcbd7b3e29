#include <windows.h>

#include "util/file_system.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace tv {

FileBytes ReadFileBytes(const std::wstring& path) {
  FileBytes result;
  UniqueFile file(::CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    result.status = (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME)
                        ? FileStatus::Missing
                        : FileStatus::Unreadable;
    return result;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > 0x7FFFFFFFull) {
    result.status = FileStatus::Unreadable;
    return result;
  }
  try {
    result.bytes.resize(static_cast<size_t>(size.QuadPart));
  } catch (...) {
    result.status = FileStatus::Unreadable;
    return result;
  }
  size_t done = 0;
  while (done < result.bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(result.bytes.size() - done, 1u << 24));
    if (!::ReadFile(file.get(), result.bytes.data() + done, want, &got, nullptr)) {
      result.bytes.clear();
      result.status = FileStatus::Unreadable;
      return result;
    }
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  result.bytes.resize(done);
  result.status = FileStatus::Ok;
  return result;
}

bool WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
  const std::wstring temp = path + L".tmp~" + DecimalInt(::GetCurrentProcessId());
  const std::wstring tempLong = ExtendedLengthPath(temp);
  bool ok;
  {
    UniqueFile file(::CreateFileW(tempLong.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
      DWORD put = 0;
      const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
      ok = ::WriteFile(file.get(), bytes.data() + done, want, &put, nullptr) && put == want;
      done += put;
    }
    ok = ok && ::FlushFileBuffers(file.get());
  }
  ok = ok && ::MoveFileExW(tempLong.c_str(), ExtendedLengthPath(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) ::DeleteFileW(tempLong.c_str());
  return ok;
}

bool IsExistingFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedLengthPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedLengthPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SamePathText(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace tv
