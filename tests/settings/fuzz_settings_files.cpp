// Any bytes as an ini file and as a .tfl file. Besides not crashing, reading
// is checked to be stable: what was read, written and read again gives the
// same text a second time.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/list_file.h"
#include "settings/list_lines.h"
#include "settings/settings_text.h"
#include "util/key_value.h"
#include "util/text_file.h"

namespace {

std::wstring SettingsTextOf(const std::wstring& text, tv::ImageList& list) {
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text);
  tv::Settings settings;
  if (tv::IsCurrentSettingsVersion(map)) tv::ReadSettingsValues(settings, map);
  if (settings.LoadLastFile) {
    tv::ListReadOptions options;
    options.maskEnabled = settings.EnableFileMask;
    options.mask = settings.FileMaskString;
    tv::ReadListLines(list, map, options);
  }
  return tv::BuildSettingsText(settings, list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = tv::DecodeTextFileBytes(bytes);

  // As an ini file, with the settings on the first line so that short
  // inputs reach the readers too.
  tv::ImageList first, second;
  const std::wstring once = SettingsTextOf(L"IniFileVersion=2\n" + text, first);
  if (SettingsTextOf(once, second) != once) __builtin_trap();

  // As a .tfl file; the version goes last, as a later line wins.
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text + L"\ntflFileVersion=2\n");
  tv::ImageList list;
  tv::ListFilePosition position;
  tv::ListReadOptions masked;
  masked.maskEnabled = size % 2 == 1;
  masked.mask = L"*.jpg;*a*";
  if (!tv::ReadListFileData(list, position, map, masked)) __builtin_trap();
  std::wstring lines;
  if (tv::WriteListLines(lines, list) == list.empty()) __builtin_trap();
  return 0;
}
