#pragma once
// One-level listings of a folder, for the plug-in folders and the move-to
// menu. A folder that cannot be listed gives an empty list.
#include <string>
#include <vector>

namespace tv {

// Existing files directly in folder whose full path matches mask; with
// followShortcuts, a ".lnk" counts as its target.
std::vector<std::wstring> ListFolderFiles(bool followShortcuts, const std::wstring& folder, const std::wstring& mask);
// Existing folders directly in folder; with followShortcuts, a ".lnk" counts
// as its target.
std::vector<std::wstring> ListSubfolders(bool followShortcuts, const std::wstring& folder);

}  // namespace tv
