// Text and mask from the same bytes: the first NUL-free half is the mask.
#include <cstddef>
#include <cstdint>
#include <string>

#include "util/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring mask, text;
  const std::size_t split = size / 2;
  for (std::size_t i = 0; i < size; ++i) (i < split ? mask : text).push_back(static_cast<wchar_t>(data[i]));
  const bool whole = tv::MatchesMask(text, mask);
  // A pattern matches itself when it holds no wildcard characters.
  if (text.find_first_of(L"*?;") == std::wstring::npos && !text.empty() && text.front() > L' ' &&
      text.back() > L' ' && !tv::MatchesMask(text, text))
    __builtin_trap();
  (void)whole;
  return 0;
}
