#include "forms/size_form.h"

#include "forms/form_ids.h"
#include "forms/proportional_size.h"

namespace tv {
namespace {
constexpr NumberRules kSideRules{.hasMin = true, .hasMax = true, .min = 30, .max = 99999};
}

std::optional<FormSize> SizeForm::Ask(HMODULE module, HWND owner, const SizeFormTexts& texts, FormSize size) {
  texts_ = texts;
  size_ = size;
  aspect_ = AspectOf(size.width, size.height);
  if (RunDialog(module, L"IDD_FORMSIZEFORM", owner) != IDOK) return std::nullopt;
  return FormSize{widthField_.Value(), heightField_.Value()};
}

void SizeForm::Init(HWND dialog) {
  guard_ = true;
  ::SetWindowTextW(dialog, texts_.title.c_str());
  SetItemText(dialog, IDC_SIZE_WIDTH_LABEL, texts_.widthLabel);
  SetItemText(dialog, IDC_SIZE_HEIGHT_LABEL, texts_.heightLabel);
  widthField_.Attach(::GetDlgItem(dialog, IDC_SIZE_WIDTH), kSideRules, size_.width);
  heightField_.Attach(::GetDlgItem(dialog, IDC_SIZE_HEIGHT), kSideRules, size_.height);
  widthField_.Show(size_.width);
  heightField_.Show(size_.height);
  guard_ = false;
}

void SizeForm::ShowQuietly(NumberField& field, std::int32_t number) {
  guard_ = true;
  field.Show(number);
  guard_ = false;
}

void SizeForm::WidthTyped() {
  size_.width = widthField_.Filter();
  size_.height = HeightForWidth(size_.width, aspect_);
  ShowQuietly(heightField_, size_.height);
  heightField_.SetValue(size_.height);
}

void SizeForm::HeightTyped() {
  size_.height = heightField_.Filter();
  size_.width = WidthForHeight(size_.height, aspect_);
  ShowQuietly(widthField_, size_.width);
  widthField_.SetValue(size_.width);
}

INT_PTR SizeForm::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM, bool& handled) {
  if (message == WM_INITDIALOG) {
    Init(dialog);
    handled = true;
    return TRUE;
  }
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, IDCANCEL);
    handled = true;
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  handled = true;
  if (id == IDOK || id == IDCANCEL) {
    ::EndDialog(dialog, id);
  } else if (code == EN_UPDATE && !guard_) {
    if (id == IDC_SIZE_WIDTH) WidthTyped();
    if (id == IDC_SIZE_HEIGHT) HeightTyped();
  } else if (code == EN_KILLFOCUS) {
    // Leaving a field shows what the form holds for it (a width below the
    // minimum shows as the minimum).
    if (id == IDC_SIZE_WIDTH) ShowQuietly(widthField_, size_.width);
    if (id == IDC_SIZE_HEIGHT) ShowQuietly(heightField_, size_.height);
  } else {
    handled = false;
  }
  return TRUE;
}

}  // namespace tv
