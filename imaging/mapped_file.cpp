#include "imaging/mapped_file.h"

#include "util/file_system.h"

namespace tv {

bool MappedFile::Open(const std::wstring& path) {
  const std::wstring longPath = ExtendedLengthPath(path);
  UniqueFile file(::CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return false;
  const auto bytes = static_cast<std::uint64_t>(size.QuadPart);
  if (bytes < kMinimumSize || bytes > kMaximumSize) return false;
  UniqueHandle mapping(::CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return false;
  UniqueMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return false;
  file_ = std::move(file);
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  size_ = static_cast<std::size_t>(bytes);
  return true;
}

UniqueMappedView MappedFile::MapAnotherView() const {
  if (!mapping_) return {};
  return UniqueMappedView(::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0));
}

bool MappedFile::ReadAll(void* buffer) const {
  if (!file_ || !buffer) return false;
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < size_) {
    // Reads name their offset, so the handle's file pointer does not matter.
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(done) & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(done) >> 32);
    const std::size_t left = size_ - done;
    const DWORD chunk = static_cast<DWORD>(left < 0x10000000u ? left : 0x10000000u);
    DWORD read = 0;
    if (!::ReadFile(file_.get(), out + done, chunk, &read, &at) || read == 0) return false;
    done += read;
  }
  return true;
}

}  // namespace tv
