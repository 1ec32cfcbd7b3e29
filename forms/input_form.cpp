#include "forms/input_form.h"

#include "forms/form_ids.h"

namespace tv {

std::optional<std::wstring> InputForm::Ask(HMODULE module, HWND owner, const std::wstring& title,
                                           const std::wstring& prompt, const std::wstring& text) {
  title_ = title;
  prompt_ = prompt;
  text_ = text;
  result_.clear();
  if (RunDialog(module, L"IDD_INPUTFORM", owner) != IDOK) return std::nullopt;
  return result_;
}

INT_PTR InputForm::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM, bool& handled) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowTextW(dialog, title_.c_str());
      SetItemText(dialog, IDC_INPUT_PROMPT, prompt_);
      SetItemText(dialog, IDC_INPUT_TEXT, text_);
      handled = true;
      return TRUE;  // the system focuses the edit with its text selected
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        result_ = ItemText(dialog, IDC_INPUT_TEXT);
        ::EndDialog(dialog, IDOK);
        handled = true;
      } else if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        handled = true;
      }
      return TRUE;
    case WM_CLOSE:
      ::EndDialog(dialog, IDCANCEL);
      handled = true;
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace tv
