#pragma once
// Appending key=value lines to the text of an ini or file-list file.
#include <string>
#include <string_view>

namespace tv {

// A value holding CR or LF would end its line early and let the rest read as
// lines of their own (another key, another plug-in folder), so such a value is
// never written.
constexpr bool IsSingleLineValue(std::wstring_view value) {
  return value.find_first_of(L"\r\n") == std::wstring_view::npos;
}

// Appends "key=value\n"; false, with nothing appended, when the value has a
// line break.
inline bool AppendKeyLine(std::wstring& text, std::wstring_view key, std::wstring_view value) {
  if (!IsSingleLineValue(value)) return false;
  text.append(key).push_back(L'=');
  text.append(value).push_back(L'\n');
  return true;
}

}  // namespace tv
