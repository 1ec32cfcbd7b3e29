#pragma once
// An edit control that holds a whole number: typed text is filtered as
// NumberFilter says, the field's value is clamped into its bounds, and the
// text is rewritten only when the filter changed it, with the caret kept on
// its character.
#include <windows.h>

#include <cstdint>

#include "forms/control_wrapper.h"
#include "forms/number_filter.h"

namespace tv {

class NumberField {
 public:
  // value: the start value, clamped into the bounds. The edit's text is
  // left as it is.
  bool Attach(HWND edit, const NumberRules& rules, std::int32_t value) noexcept;
  HWND Handle() const noexcept { return edit_.Handle(); }

  // Reads the edit, rewrites it when something had to go, and updates the
  // value. Returns the value.
  std::int32_t Filter();
  std::int32_t Value() const noexcept { return value_; }
  void SetValue(std::int64_t value) noexcept { value_ = ClampNumber(value, rules_); }
  // Shows number in the edit (the edit reports the change as typing would).
  void Show(std::int32_t number);

 private:
  ControlWrapper edit_;
  NumberRules rules_;
  std::int32_t value_ = 0;
};

}  // namespace tv
