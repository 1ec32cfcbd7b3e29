#pragma once
// What the modal forms share: running a dialog template modally and handing
// its messages to the form object, which finds itself again through the
// wrapper attached to the dialog window.
//
// A form object lives as long as the program; its dialog window exists only
// while Run is under way.
#include <windows.h>

#include <string>

#include "forms/control_wrapper.h"

namespace tv {

class DialogForm {
 public:
  DialogForm() = default;
  virtual ~DialogForm() = default;
  DialogForm(const DialogForm&) = delete;
  DialogForm& operator=(const DialogForm&) = delete;

  // The dialog window while the form is shown, else null.
  HWND Window() const noexcept { return self_.Handle(); }

 protected:
  // Shows the named template from module modally over owner; the form's
  // EndDialog value, or -1 when the dialog could not be made.
  INT_PTR RunDialog(HMODULE module, const wchar_t* templateName, HWND owner) noexcept;

  // One dialog message. Set handled when the form dealt with it; the result
  // is then the dialog procedure's answer (for WM_INITDIALOG: whether the
  // system should set the focus). Unhandled messages get the default.
  virtual INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

  ControlWrapper self_;

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
};

// Window text helpers the forms read and write controls with.
std::wstring WindowText(HWND window);
std::wstring ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::wstring& text);

}  // namespace tv
