#pragma once
// One record of the file list: a picture file, or an archive whose members
// form a list of their own once listed. Entries are values: copying an entry
// copies its member list.
#include <cstdint>
#include <string>
#include <vector>

namespace tv {

struct ImageEntry {
  // Full path of the file; for an archive member, the member's name as the
  // archive reports it.
  std::wstring path;
  // Creation time in seconds since 1970-01-01 UTC; 0 when unknown.
  std::int64_t time = 0;
  // Low 32 bits of the file size; 0 when unknown.
  std::uint32_t size = 0;
  // Quarter turns to apply, 0..3; -1 when not yet known.
  std::int32_t rotation = -1;
  // Members of an archive once listed; always empty for a member itself.
  std::vector<ImageEntry> members;
};

using ImageList = std::vector<ImageEntry>;

}  // namespace tv
