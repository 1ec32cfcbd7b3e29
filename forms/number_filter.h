#pragma once
// What a number field keeps of typed text: digits and, where negatives are
// allowed, one leading minus sign. The value is read from what is kept and
// clamped into the bounds that are switched on. Window-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tv {

struct NumberRules {
  bool allowNegative = false;
  bool hasMin = false;
  bool hasMax = false;
  std::int32_t min = 0;
  std::int32_t max = 0;
};

struct FilteredNumber {
  std::wstring text;      // what the field should show
  std::size_t caret = 0;  // where the caret goes in text
  std::int32_t value = 0;
  bool changed = false;   // text differs from what was typed
};

// caret: the caret's place in typed (past the end counts as the end).
FilteredNumber FilterNumber(std::wstring_view typed, std::size_t caret, const NumberRules& rules);

// The value of text (already filtered) clamped by rules; digits beyond the
// 32-bit range saturate; empty text or a lone minus reads as 0.
std::int32_t NumberValue(std::wstring_view text, const NumberRules& rules);

std::int32_t ClampNumber(std::int64_t value, const NumberRules& rules);

}  // namespace tv
