// Text and mask from the same bytes: the first half is the mask.
#include <cstddef>
#include <cstdint>
#include <string>

#include "util/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring mask(data, data + size / 2), text(data + size / 2, data + size);
  (void)tv::MatchesMask(text, mask);
  // Text without wildcard characters or outer blanks matches itself.
  const bool plain = !text.empty() && text.find_first_of(L"*?;") == std::wstring::npos && text.front() > L' ' && text.back() > L' ';
  if (plain && !tv::MatchesMask(text, text)) __builtin_trap();
  return 0;
}
