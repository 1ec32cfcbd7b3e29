#pragma once
// Which of the names an archive reports may enter its member list.
#include <string_view>

#include "filelist/image_entry.h"
#include "filelist/list_settings.h"

namespace tv {

// A member name with a unit below U+0020 (CR, LF, TAB, ...) would break the
// line-per-entry ini and file-list files, so such names are never listed.
bool HasControlCharacter(std::wstring_view name);

// Removes members with an empty name or a control character, and, while the
// file mask is enabled, members whose name does not match it.
void DropUnlistableMembers(ImageList& members, const ListSettings& settings);

}  // namespace tv
