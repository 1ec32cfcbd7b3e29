#pragma once
#include <string>

namespace tv {

// Target path of a shell shortcut (.lnk); empty on any failure.
std::wstring ResolveShortcut(const std::wstring& linkPath);
// The command-line arguments a shortcut passes; empty on any failure.
std::wstring ShortcutArguments(const std::wstring& linkPath);
// Creates (or replaces) a shortcut; false and no file when it could not be saved.
bool CreateShortcut(const std::wstring& targetPath, const std::wstring& linkPath, const std::wstring& arguments);

}  // namespace tv
