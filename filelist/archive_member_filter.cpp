#include "filelist/archive_member_filter.h"

#include <algorithm>

#include "util/wildcard.h"

namespace tv {

bool HasControlCharacter(std::wstring_view name) {
  return std::any_of(name.begin(), name.end(), [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0x20; });
}

void DropUnlistableMembers(ImageList& members, const ListSettings& settings) {
  std::erase_if(members, [&](const ImageEntry& member) {
    if (member.path.empty() || HasControlCharacter(member.path)) return true;
    return settings.EnableFileMask && !MatchesMask(member.path, settings.FileMaskString);
  });
}

}  // namespace tv
