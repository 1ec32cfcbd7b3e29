// Native build only: paths are UTF-8 on Linux.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cwctype>
#include <string>

#include "util/file_system.h"
#include "util/text.h"

namespace tv {

FileBytes ReadFileBytes(const std::wstring& path) {
  FileBytes result;
  const int fd = ::open(WideToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.status = (errno == ENOENT || errno == ENOTDIR) ? FileStatus::Missing : FileStatus::Unreadable;
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    result.status = FileStatus::Unreadable;
    return result;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      ::close(fd);
      result.bytes.clear();
      result.status = FileStatus::Unreadable;
      return result;
    }
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  result.status = FileStatus::Ok;
  return result;
}

bool WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
  const std::string target = WideToUtf8(path);
  const std::string temp = target + ".tmp~" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put <= 0) ok = false;
    else done += static_cast<size_t>(put);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool IsExistingFile(const std::wstring& path) {
  struct stat info {};
  return ::stat(WideToUtf8(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsExistingFolder(const std::wstring& path) {
  struct stat info {};
  return ::stat(WideToUtf8(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool SamePathText(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

}  // namespace tv
