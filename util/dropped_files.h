#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace tv {

// Appends the dropped paths in order, finishes the drop and returns the
// list's length. Symbolic links named *.lnk are replaced by their targets;
// shell shortcuts are left for the list builder to follow.
size_t CollectDroppedFiles(HDROP drop, std::vector<std::wstring>& list);

}  // namespace tv
