#include "util/key_value.h"

#include <algorithm>

#include "util/text.h"

namespace tv {

void ParseKeyValueText(KeyValueMap& map, std::wstring_view text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    const std::wstring_view line = text.substr(start, end - start);
    const size_t eq = line.find(L'=');
    if (eq != std::wstring_view::npos)
      map.insert_or_assign(std::wstring(line.substr(0, eq)), std::wstring(line.substr(eq + 1)));
    start = end + 1;
  }
}

std::wstring GetText(const KeyValueMap& map, const std::wstring& key, const std::wstring& defaultValue) {
  const auto it = map.find(key);
  return it == map.end() ? defaultValue : it->second;
}

std::int64_t LenientInt64(std::wstring_view value) {
  // Unsigned arithmetic wraps instead of overflowing on absurdly long digit runs.
  std::uint64_t number = 0;
  bool negative = false;
  for (const wchar_t c : value) {
    if (c >= L'0' && c <= L'9') number = number * 10 + static_cast<std::uint64_t>(c - L'0');
    else if (c == L'-') negative = true;
  }
  if (negative) number = 0 - number;
  return static_cast<std::int64_t>(number);
}

std::int32_t GetInt(const KeyValueMap& map, const std::wstring& key, std::int32_t defaultValue,
                    std::int64_t lower, std::int64_t upper) {
  const auto it = map.find(key);
  if (it == map.end()) return defaultValue;
  std::int64_t value = LenientInt64(it->second);
  if (lower != upper) value = std::max(std::min(value, upper), lower);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

std::int64_t GetInt64(const KeyValueMap& map, const std::wstring& key, std::int64_t defaultValue) {
  const auto it = map.find(key);
  return it == map.end() ? defaultValue : LenientInt64(it->second);
}

double GetDouble(const KeyValueMap& map, const std::wstring& key, double defaultValue, double lower,
                 double upper) {
  const auto it = map.find(key);
  if (it == map.end()) return defaultValue;
  std::uint32_t integerPart = 0;
  double fraction = 0, divisor = 1;
  bool inFraction = false, negative = false;
  int fractionDigits = 0;
  for (const wchar_t c : it->second) {
    if (c >= L'0' && c <= L'9') {
      const unsigned d = static_cast<unsigned>(c - L'0');
      if (!inFraction) {
        integerPart = integerPart * 10 + d;
      } else if (fractionDigits < 18) {  // beyond this the digits no longer change a double
        fraction = fraction * 10 + d;
        divisor *= 10;
        ++fractionDigits;
      }
    } else if (c == L'.') {
      inFraction = true;
    } else if (c == L'-') {
      negative = true;
    }
  }
  double value = static_cast<double>(integerPart) + fraction / divisor;
  if (negative) value = -value;
  if (lower != upper) value = std::max(std::min(value, upper), lower);
  return value;
}

bool GetBool(const KeyValueMap& map, const std::wstring& key, bool defaultValue) {
  const auto it = map.find(key);
  if (it == map.end()) return defaultValue;
  const std::wstring s = AsciiLower(TrimBlanks(it->second));
  if (s == L"true") return true;
  if (s == L"false") return false;
  return defaultValue;
}

}  // namespace tv
