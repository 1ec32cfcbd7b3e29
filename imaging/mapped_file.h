#pragma once
// A whole file mapped read-only for one load. The file is opened for reading
// only and shared for reading, writing and deletion, so pictures on read-only
// media, read-only files and files another program holds open all load, and
// nothing handed the view (decoders, plug-ins) can change the file.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "util/win_handles.h"

namespace tv {

class MappedFile {
 public:
  // Files under 10 bytes or of 1 GiB (0x40000000 bytes) and more are refused.
  static constexpr std::uint64_t kMinimumSize = 10;
  static constexpr std::uint64_t kMaximumSize = 0x3FFFFFFF;

  // False when the file cannot be opened, is out of the size bounds or
  // cannot be mapped.
  bool Open(const std::wstring& path);

  // Reads the whole file into `buffer` (size() bytes) through the file
  // handle, leaving the view's pages untouched: a decoder's own copy then
  // does not keep the file in memory twice. False on a short or failed read.
  bool ReadAll(void* buffer) const;

  // A further read-only view of the whole file, so a reader's touched pages
  // can be given back (by unmapping it) while data() stays valid. Empty on
  // failure.
  UniqueMappedView MapAnotherView() const;

  const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(view_.get()); }
  std::size_t size() const { return size_; }

 private:
  UniqueFile file_;
  UniqueHandle mapping_;
  UniqueMappedView view_;  // declared last: unmapped first
  std::size_t size_ = 0;
};

}  // namespace tv
