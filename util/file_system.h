#pragma once
// The few file-system calls the window-free code needs, implemented once for
// Windows and once for the native test build.
#include <string>
#include <string_view>

namespace tv {

enum class FileStatus { Ok, Missing, Unreadable };

struct FileBytes {
  FileStatus status = FileStatus::Missing;
  std::string bytes;
};

// Reads the whole file, sharing it with other readers and writers, so a file
// another program holds open still reads.
FileBytes ReadFileBytes(const std::wstring& path);

// Writes a complete new version beside the file and only then puts it in the
// file's place: a failed write leaves the old file as it was.
bool WriteFileReplacing(const std::wstring& path, std::string_view bytes);

bool IsExistingFile(const std::wstring& path);
bool IsExistingFolder(const std::wstring& path);
// Whether two path texts name the same path as the file system compares
// names: letter case aside (no normalising of the paths themselves).
bool SamePathText(std::wstring_view a, std::wstring_view b);

}  // namespace tv

namespace tv {

// The form of an absolute path that Windows file calls accept beyond 260
// characters ("\\?\C:\..." or "\\?\UNC\server\..."); shorter paths, relative
// ones and paths already in that form come back unchanged.
std::wstring ExtendedLengthPath(std::wstring_view path);

}  // namespace tv
