#include "settings/settings_text.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "settings/key_lines.h"
#include "settings/list_lines.h"
#include "settings/settings_keys.h"
#include "util/text.h"

namespace tv {

namespace {

// printf's "%f": six decimals, C locale (the program never changes it).
std::wstring FixedSixDecimals(double value) {
  const int length = std::snprintf(nullptr, 0, "%f", value);
  if (length <= 0) return L"0.000000";
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%f", value);
  return std::wstring(buffer.begin(), buffer.begin() + length);
}

std::wstring NumberedName(const wchar_t* name, size_t index) { return name + DecimalInt(static_cast<std::int64_t>(index)); }

struct KeyWriter {
  const Settings& s;
  const SettingKey& key;
  std::wstring& text;

  void operator()(const IntKey& k) const {
    if (key.presence == KeyPresence::OmittedWhenInitial && s.*k.field == k.initial) return;
    AppendKeyLine(text, key.name, DecimalInt(s.*k.field));
  }
  void operator()(const BoolKey& k) const { AppendKeyLine(text, key.name, BoolText(s.*k.field)); }
  void operator()(const DoubleKey& k) const { AppendKeyLine(text, key.name, FixedSixDecimals(s.*k.field)); }
  void operator()(const TextKey& k) const { AppendKeyLine(text, key.name, s.*k.field); }
  void operator()(const ColourKey& k) const {
    AppendKeyLine(text, key.name, DecimalInt(ArgbToColourRef(s.*k.field)));
  }
  void operator()(const TextListKey& k) const {
    // An empty element would end the list on reading and hide the ones after
    // it, so empty elements are left out like multi-line ones.
    size_t index = 0;
    for (const std::wstring& element : s.*k.field) {
      if (element.empty() || !IsSingleLineValue(element)) continue;
      AppendKeyLine(text, NumberedName(key.name, index++), element);
    }
  }
  void operator()(const ColourRefArrayKey& k) const {
    const auto& colours = s.*k.field;
    for (size_t i = 0; i < colours.size(); ++i) AppendKeyLine(text, NumberedName(key.name, i), DecimalInt(colours[i]));
  }
};

struct KeyReader {
  Settings& s;
  const SettingKey& key;
  const KeyValueMap& map;

  void operator()(const IntKey& k) const {
    s.*k.field = GetInt(map, key.name, k.ifMissing.value_or(s.*k.field), k.clamp.lower, k.clamp.upper);
  }
  void operator()(const BoolKey& k) const { s.*k.field = GetBool(map, key.name, k.ifMissing.value_or(s.*k.field)); }
  void operator()(const DoubleKey& k) const { s.*k.field = GetDouble(map, key.name, s.*k.field, k.lower, k.upper); }
  void operator()(const TextKey& k) const { s.*k.field = GetText(map, key.name, s.*k.field); }
  void operator()(const ColourKey& k) const {
    const ColourRef fallback = k.ifMissing.value_or(ArgbToColourRef(s.*k.field));
    // The stored number is taken as a signed 32-bit value before clamping, so
    // an ARGB value written by mistake (4278190080, opaque black) reads as 0.
    const std::int32_t stored = GetInt(map, key.name, static_cast<std::int32_t>(fallback), 0, 0);
    s.*k.field = ColourRefToArgb(static_cast<ColourRef>(std::clamp<std::int32_t>(stored, 0, 0xFFFFFF)));
  }
  void operator()(const TextListKey& k) const {
    auto& list = s.*k.field;
    list.clear();
    const size_t limit = k.maximum ? static_cast<size_t>(std::max(s.*k.maximum, 0)) : map.size();
    for (size_t i = 0; i < limit; ++i) {
      const auto found = map.find(NumberedName(key.name, i));
      if (found == map.end() || found->second.empty()) break;
      list.push_back(found->second);
    }
  }
  void operator()(const ColourRefArrayKey& k) const {
    auto& colours = s.*k.field;
    for (size_t i = 0; i < colours.size(); ++i)
      colours[i] = static_cast<ColourRef>(GetInt(map, NumberedName(key.name, i), 0, 0, 0));
  }
};

}  // namespace

std::wstring BuildSettingsText(const Settings& settings, const ImageList& fileList) {
  std::wstring text = L"IniFileVersion=2\n";
  for (const SettingKey& key : SettingKeys()) {
    if (key.presence == KeyPresence::OnlyWithLoadLastFile && !settings.LoadLastFile) continue;
    std::visit(KeyWriter{settings, key, text}, key.rule);
  }
  if (settings.LoadLastFile) WriteListLines(text, fileList);
  return text;
}

bool IsCurrentSettingsVersion(const KeyValueMap& map) { return GetInt(map, L"IniFileVersion", 0, 0, 0) == 2; }

void ReadSettingsValues(Settings& settings, const KeyValueMap& map) {
  for (const SettingKey& key : SettingKeys())
    if (key.presence != KeyPresence::OnlyWithLoadLastFile) std::visit(KeyReader{settings, key, map}, key.rule);
  if (!settings.LoadLastFile) return;
  for (const SettingKey& key : SettingKeys())
    if (key.presence == KeyPresence::OnlyWithLoadLastFile) std::visit(KeyReader{settings, key, map}, key.rule);
}

}  // namespace tv
