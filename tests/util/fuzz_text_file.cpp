// Any bytes as a text file, then as key=value data with every getter.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "util/key_value.h"
#include "util/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = tv::DecodeTextFileBytes(bytes);
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text);
  for (const auto& [key, value] : map) {
    (void)tv::GetInt(map, key, 0, -5, 5);
    (void)tv::GetInt64(map, key, 0);
    (void)tv::GetDouble(map, key, 0, 0, 0);
    (void)tv::GetBool(map, key, false);
  }
  const std::string again = tv::EncodeTextFileBytes(text);
  if (tv::DecodeTextFileBytes(again) != text) __builtin_trap();
  return 0;
}
