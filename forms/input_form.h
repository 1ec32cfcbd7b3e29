#pragma once
// The one-line text question: a prompt, an edit holding a proposed text,
// OK and Cancel. Used for file masks, new file names and folder names.
#include <windows.h>

#include <optional>
#include <string>

#include "forms/dialog_form.h"

namespace tv {

class InputForm final : public DialogForm {
 public:
  // Shows "IDD_INPUTFORM" from module over owner. The entered text on OK;
  // nothing on Cancel, on closing the window, or when the dialog could not
  // be shown.
  std::optional<std::wstring> Ask(HMODULE module, HWND owner, const std::wstring& title, const std::wstring& prompt,
                                  const std::wstring& text);

 private:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  std::wstring title_;
  std::wstring prompt_;
  std::wstring text_;
  std::wstring result_;
};

}  // namespace tv
