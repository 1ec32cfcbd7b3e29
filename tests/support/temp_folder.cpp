#include "tests/support/temp_folder.h"

#include <atomic>
#include <stdexcept>

#include "util/file_system.h"
#include "util/text.h"

#ifdef _WIN32
#include <windows.h>

#include "util/win_handles.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace tvtest {

namespace {
std::atomic<int> counter{0};
}

#ifdef _WIN32
wchar_t Separator() { return L'\\'; }

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH, base);
  for (;;) {
    path_ = std::wstring(base) + L"tvtest-" + tv::DecimalInt(::GetCurrentProcessId()) + L"-" +
            tv::DecimalInt(counter++);
    if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
  }
}

namespace {
// Walks with "\\?\" paths so that names beyond 260 characters go too, and
// clears read-only flags the tests may have set.
void RemoveTree(const std::wstring& longPath) {
  WIN32_FIND_DATAW found;
  tv::UniqueFind search(::FindFirstFileW((longPath + L"\\*").c_str(), &found));
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = longPath + L"\\" + name;
      ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
      if (isFolder) RemoveTree(child);
      else if (!::DeleteFileW(child.c_str())) ::RemoveDirectoryW(child.c_str());
    } while (::FindNextFileW(search.get(), &found));
  }
  ::RemoveDirectoryW(longPath.c_str());
}
}  // namespace

TempFolder::~TempFolder() { RemoveTree(L"\\\\?\\" + path_); }

std::wstring TempFolder::MakeFolder(std::wstring_view name) const {
  const std::wstring folder = Join(name);
  ::CreateDirectoryW(tv::ExtendedLengthPath(folder).c_str(), nullptr);
  return folder;
}
#else
wchar_t Separator() { return L'/'; }

TempFolder::TempFolder() {
  std::string pattern = "/tmp/tvtest-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = tv::Utf8ToWide(pattern);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(tv::WideToUtf8(path_), ignored);
}

std::wstring TempFolder::MakeFolder(std::wstring_view name) const {
  const std::wstring folder = Join(name);
  ::mkdir(tv::WideToUtf8(folder).c_str(), 0755);
  return folder;
}
#endif

std::wstring TempFolder::Join(std::wstring_view name) const { return path_ + Separator() + std::wstring(name); }

std::wstring TempFolder::WriteBytes(std::wstring_view name, std::string_view bytes) const {
  const std::wstring file = Join(name);
  if (!tv::WriteFileReplacing(file, bytes)) throw std::runtime_error("cannot write a test file");
  return file;
}

std::string ReadAllBytes(const std::wstring& path) { return tv::ReadFileBytes(path).bytes; }

}  // namespace tvtest
