#include "forms/dialog_form.h"

#include <string>

namespace tv {

INT_PTR DialogForm::RunDialog(HMODULE module, const wchar_t* templateName, HWND owner) noexcept {
  if (self_.Attached()) return -1;  // already shown: a form runs once at a time
  return ::DialogBoxParamW(module, templateName, owner, &DialogForm::DialogProcedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogForm::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  DialogForm* form = nullptr;
  if (message == WM_INITDIALOG) {
    form = reinterpret_cast<DialogForm*>(lParam);
    if (!form || !form->self_.Attach(dialog, nullptr, form)) {
      ::EndDialog(dialog, -1);
      return FALSE;
    }
  } else if (ControlWrapper* wrapper = ControlWrapper::From(dialog)) {
    form = static_cast<DialogForm*>(wrapper->Context());
  }
  if (!form) return FALSE;
  if (message == WM_SHOWWINDOW && wParam) form->self_.SetVisible(true);
  if (message == WM_CLOSE) form->self_.SetVisible(false);
  try {
    bool handled = false;
    const INT_PTR result = form->OnMessage(dialog, message, wParam, lParam, handled);
    return handled ? result : FALSE;
  } catch (...) {
    // Out of memory while copying a text: the form gives up rather than
    // letting the failure unwind through the system's dialog loop.
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

std::wstring WindowText(HWND window) {
  if (!window) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::wstring ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }

void SetItemText(HWND dialog, int id, const std::wstring& text) { ::SetDlgItemTextW(dialog, id, text.c_str()); }

}  // namespace tv
