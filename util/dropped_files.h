#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "util/win_handles.h"

namespace tv {

// Appends the dropped paths in order and returns the list's length; the drop
// stays with its owner (UniqueDrop). Symbolic links named *.lnk are replaced by their
// targets; shell shortcuts are left for the list builder to follow.
size_t CollectDroppedFiles(HDROP drop, std::vector<std::wstring>& list);

}  // namespace tv
