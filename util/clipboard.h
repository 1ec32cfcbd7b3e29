#pragma once
#include <string>
#include <vector>

#include "util/win_handles.h"

namespace tv {

// False when the clipboard could not be opened or the text not stored.
bool CopyTextToClipboard(const std::wstring& text);
// Hands a screen bitmap to the clipboard as CF_BITMAP; the clipboard owns
// it from then on. False (the bitmap freed) when it could not be stored.
bool PutBitmapOnClipboard(UniqueBitmap bitmap);
// Unicode text now on the clipboard; empty when there is none.
std::wstring ReadClipboardText();

enum class DropEffect : unsigned { Copy = 1, Move = 2 };
// File list (CF_HDROP) plus "Preferred DropEffect", as Explorer's copy and cut
// leave them. False when the clipboard could not be opened.
bool PutFilesOnClipboard(const std::vector<std::wstring>& paths, DropEffect effect);
// Files on the clipboard and the effect asked for (Copy when none is given).
std::vector<std::wstring> ReadClipboardFiles(DropEffect* effect);

}  // namespace tv
