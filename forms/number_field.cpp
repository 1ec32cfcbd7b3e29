#include "forms/number_field.h"

#include <string>

#include "forms/dialog_form.h"

namespace tv {

bool NumberField::Attach(HWND edit, const NumberRules& rules, std::int32_t value) noexcept {
  rules_ = rules;
  value_ = ClampNumber(value, rules_);
  return edit_.Attach(edit);
}

std::int32_t NumberField::Filter() {
  const HWND edit = edit_.Handle();
  if (!edit) return value_;
  const std::wstring typed = WindowText(edit);
  DWORD selectionEnd = 0;
  ::SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
  const FilteredNumber filtered = FilterNumber(typed, selectionEnd, rules_);
  if (filtered.changed) {
    ::SetWindowTextW(edit, filtered.text.c_str());
    ::SendMessageW(edit, EM_SETSEL, filtered.caret, static_cast<LPARAM>(filtered.caret));
  }
  value_ = filtered.value;
  return value_;
}

void NumberField::Show(std::int32_t number) {
  if (edit_.Handle()) ::SetWindowTextW(edit_.Handle(), std::to_wstring(number).c_str());
}

}  // namespace tv
