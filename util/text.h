#pragma once
// Small text helpers shared by every subsystem. Texts are std::wstring holding
// UTF-16 code units (on the native Linux build wchar_t is wider, but each
// element still holds one 16-bit unit).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Each delimiter ends a piece; an empty piece between two delimiters counts,
// a trailing empty piece does not, and an empty text gives no pieces.
std::vector<std::wstring> SplitText(std::wstring_view text, wchar_t delimiter);

// Blanks are every unit up to U+0020 and the ideographic space U+3000.
bool IsBlank(wchar_t c);
std::wstring TrimBlanks(std::wstring_view text);
std::wstring AsciiLower(std::wstring_view text);

std::wstring BoolText(bool flag);
// Three significant digits and a unit letter: 1234 -> "1.23K", 9996 -> "10.0K".
std::wstring ShortNumberText(std::uint64_t n);
// At most one digit after the point, rounded half up: 12.35 -> "12.4".
std::wstring DecimalText(double x);
std::wstring HexText(std::uint64_t n);
std::wstring HexByteText(std::uint64_t n);
std::wstring DecimalInt(std::int64_t n);

// UTF-8 conversions, for names stored in UTF-8 and for native file paths.
std::wstring Utf8ToWide(std::string_view bytes);
std::string WideToUtf8(std::wstring_view text);

}  // namespace tv
