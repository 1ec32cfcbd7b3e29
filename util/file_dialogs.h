#pragma once
// The system's open, save and folder dialogs. Filters use "|" between their
// parts ("Pictures|*.jpg;*.png|All|*.*").
#include <windows.h>

#include <string>
#include <vector>

namespace tv {

// False when cancelled; otherwise the chosen full paths.
bool OpenFilesDialog(HWND owner, const std::wstring& filter, const std::wstring& title,
                     const std::wstring& initialFolder, bool multiple, std::vector<std::wstring>& paths);
bool SaveFileDialog(HWND owner, const std::wstring& filter, const std::wstring& title,
                    const std::wstring& initialFolder, const std::wstring& initialName, bool askOverwrite,
                    std::wstring& path);
// True whenever the dialog could be shown; folder is empty when cancelled.
bool PickFolderDialog(HWND owner, const std::wstring& initialFolder, const std::wstring& title, std::wstring& folder);

// Splits the buffer an open dialog fills: one string is a full path, several
// are a folder followed by names.
std::vector<std::wstring> SplitOpenDialogResult(const wchar_t* buffer, size_t capacity);

}  // namespace tv
