#include "forms/number_filter.h"

#include <algorithm>
#include <limits>

namespace tv {

std::int32_t ClampNumber(std::int64_t value, const NumberRules& rules) {
  value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
  if (rules.hasMax) value = std::min<std::int64_t>(value, rules.max);
  if (rules.hasMin) value = std::max<std::int64_t>(value, rules.min);
  return static_cast<std::int32_t>(value);
}

std::int32_t NumberValue(std::wstring_view text, const NumberRules& rules) {
  const bool negative = !text.empty() && text.front() == L'-';
  // Past this the value is out of the 32-bit range anyway; stopping there
  // keeps the sum from overflowing however many digits were pasted.
  constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (wchar_t c : text.substr(negative ? 1 : 0)) {
    if (c < L'0' || c > L'9') continue;
    magnitude = std::min(kSaturated, magnitude * 10 + (c - L'0'));
  }
  return ClampNumber(negative ? -magnitude : magnitude, rules);
}

FilteredNumber FilterNumber(std::wstring_view typed, std::size_t caret, const NumberRules& rules) {
  FilteredNumber out;
  caret = std::min(caret, typed.size());
  out.text.reserve(typed.size());
  std::size_t removedBeforeCaret = 0;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const wchar_t c = typed[i];
    const bool keep = (c >= L'0' && c <= L'9') || (c == L'-' && rules.allowNegative && out.text.empty());
    if (keep)
      out.text.push_back(c);
    else if (i < caret)
      ++removedBeforeCaret;  // the caret stays after the same kept character
  }
  out.caret = caret - removedBeforeCaret;
  out.changed = out.text.size() != typed.size();
  out.value = NumberValue(out.text, rules);
  return out;
}

}  // namespace tv
