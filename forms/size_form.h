#pragma once
// The window-size question: width and height edits that keep the picture's
// proportions as either is typed, each within 30..99999.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "forms/dialog_form.h"
#include "forms/number_field.h"

namespace tv {

struct FormSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

struct SizeFormTexts {
  std::wstring title, widthLabel, heightLabel;
};

class SizeForm final : public DialogForm {
 public:
  // Shows "IDD_FORMSIZEFORM" over owner starting from size, whose
  // proportions the form keeps. The size on OK, nothing otherwise.
  std::optional<FormSize> Ask(HMODULE module, HWND owner, const SizeFormTexts& texts, FormSize size);

 private:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  void Init(HWND dialog);
  void WidthTyped();
  void HeightTyped();
  // Writes a number into an edit without the edit's report acting on it.
  void ShowQuietly(NumberField& field, std::int32_t number);

  SizeFormTexts texts_;
  FormSize size_;
  double aspect_ = 1.0;
  NumberField widthField_;
  NumberField heightField_;
  bool guard_ = false;
};

}  // namespace tv
