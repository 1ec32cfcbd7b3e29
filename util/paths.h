#pragma once
// Path splitting on "\" (and "/" where no "\" occurs), as the list and the
// settings files store paths.
#include <string>
#include <string_view>

namespace tv {

std::wstring FileNameOf(std::wstring_view path);
// From the last "." to the end, dot included, even when that dot lies in a
// folder name; the whole text when there is no dot. Compared case-sensitively.
std::wstring ExtensionOf(std::wstring_view path);
std::wstring FolderOf(std::wstring_view path);
// The text after the (n+1)-th "\" from the end; n = 1 gives folder\name.
std::wstring PathTail(std::wstring_view path, int n);
// folder + "\" + name, without doubling a separator the folder ends with.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// Index of the first of / \ : * ? ' < > |, or -1.
int FindForbiddenChar(std::wstring_view name);

// A path in the same folder naming no existing file: "photo (3).jpg" is first
// cut back to "photo", then " (1)", " (2)", ... are tried.
std::wstring MakeUniqueName(std::wstring_view path);

}  // namespace tv
