#pragma once
// A key naming the folder itself rather than the text that reached it, so a
// folder met again through a shortcut, junction or symbolic link (or spelt in
// another case) is recognised. Windows only.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tv {

// Volume serial and file index of the folder after following links; when the
// folder cannot be opened, its final path, and failing that the text as given.
std::wstring FolderIdentity(const std::wstring& folder);

// The same for a folder already open (links followed); folder is the text
// that reached it, the last resort when the handle names nothing better.
std::wstring FolderIdentityOfHandle(HANDLE handle, const std::wstring& folder);

// The identity of a plain subfolder (no reparse point) from what listing its
// parent reported: it lies on the parent's volume, so the parent's volume
// serial and the listed file index name it as FolderIdentity would, without
// opening it. Empty when the parent's identity holds no volume serial or the
// file system reports no index; the caller then asks FolderIdentity.
std::wstring SubfolderIdentity(const std::wstring& parentIdentity, std::uint64_t listedFileId);

}  // namespace tv
