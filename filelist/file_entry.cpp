#include "filelist/file_entry.h"

#include <windows.h>

#include <utility>

#include "filelist/file_time.h"
#include "util/file_system.h"

namespace tv {

ImageEntry EntryForFile(const std::wstring& path) {
  ImageEntry entry;
  entry.path = path;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (::GetFileAttributesExW(ExtendedLengthPath(path).c_str(), GetFileExInfoStandard, &data)) {
    const std::uint64_t created =
        (static_cast<std::uint64_t>(data.ftCreationTime.dwHighDateTime) << 32) | data.ftCreationTime.dwLowDateTime;
    entry.time = FileTimeToUnixSeconds(created);
    entry.size = data.nFileSizeLow;
  }
  return entry;
}

ImageEntry EntryForFile(std::wstring path, std::uint64_t creationFileTime, std::uint32_t sizeLow) {
  ImageEntry entry;
  entry.path = std::move(path);
  entry.time = FileTimeToUnixSeconds(creationFileTime);
  entry.size = sizeLow;
  return entry;
}

}  // namespace tv
