// Any bytes as an ini file and as a .tfl file: no crash, and reading is
// stable (read, written and read again gives the same text).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/list_file.h"
#include "settings/settings_text.h"
#include "util/text_file.h"

namespace {

std::wstring SettingsTextOf(const std::wstring& text) {
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text);
  tv::Settings settings;
  tv::ImageList list;
  if (tv::IsCurrentSettingsVersion(map)) tv::ReadSettingsValues(settings, map);
  if (settings.LoadLastFile) tv::ReadListLines(list, map, {settings.EnableFileMask, settings.FileMaskString, {}});
  return tv::BuildSettingsText(settings, list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = tv::DecodeTextFileBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  // the version first, so that short inputs reach the readers too
  const std::wstring once = SettingsTextOf(L"IniFileVersion=2\n" + text);
  if (SettingsTextOf(once) != once) __builtin_trap();

  tv::KeyValueMap map;  // as a .tfl file; the version last, as a later line wins
  tv::ParseKeyValueText(map, text + L"\ntflFileVersion=2\n");
  tv::ImageList list;
  tv::ListFilePosition position;
  if (!tv::ReadListFileData(list, position, map, {size % 2 == 1, L"*.jpg;*a*", {}})) __builtin_trap();
  std::wstring lines;
  if (tv::WriteListLines(lines, list) == list.empty()) __builtin_trap();
  return 0;
}
