#pragma once
#include <string>
#include <vector>

namespace tv {

// False when the clipboard could not be opened or the text not stored.
bool CopyTextToClipboard(const std::wstring& text);
// Unicode text now on the clipboard; empty when there is none.
std::wstring ReadClipboardText();

enum class DropEffect : unsigned { Copy = 1, Move = 2 };
// File list (CF_HDROP) plus "Preferred DropEffect", as Explorer's copy and cut
// leave them. False when the clipboard could not be opened.
bool PutFilesOnClipboard(const std::vector<std::wstring>& paths, DropEffect effect);
// Files on the clipboard and the effect asked for (Copy when none is given).
std::vector<std::wstring> ReadClipboardFiles(DropEffect* effect);

}  // namespace tv
