#pragma once
// key=value data as stored in ini and file-list files, with the lenient typed
// getters every reader uses.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tv {

// Keys compare exactly: case matters and nothing is trimmed.
using KeyValueMap = std::map<std::wstring, std::wstring>;

// Fills the map from LF-separated lines; a line without "=" is skipped, the
// first "=" splits key from value and a later duplicate key wins.
void ParseKeyValueText(KeyValueMap& map, std::wstring_view text);

std::wstring GetText(const KeyValueMap& map, const std::wstring& key, const std::wstring& defaultValue);
// Digits are collected wherever they stand and a "-" anywhere negates; when
// lower != upper the result is clamped.
std::int32_t GetInt(const KeyValueMap& map, const std::wstring& key, std::int32_t defaultValue,
                    std::int64_t lower, std::int64_t upper);
// The same digit rules, 64 bits wide and unclamped (file times).
std::int64_t GetInt64(const KeyValueMap& map, const std::wstring& key, std::int64_t defaultValue);
double GetDouble(const KeyValueMap& map, const std::wstring& key, double defaultValue, double lower,
                 double upper);
bool GetBool(const KeyValueMap& map, const std::wstring& key, bool defaultValue);

// The digit rule of GetInt applied to one value, without the map.
std::int64_t LenientInt64(std::wstring_view value);

}  // namespace tv
