#pragma once
// Drives this thread's modal dialogs (the forms and message boxes) from
// inside their own message loops: a thread timer runs the steps of a script
// whenever a dialog is up, so the code under test sits in DialogBox or
// MessageBox as it does for a user.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tvtest {

// This thread's dialog (class #32770) that takes input now, or null.
HWND ActiveDialog();
std::wstring TextOf(HWND window);
std::wstring ItemTextOf(HWND dialog, int id);
// The non-empty texts of the dialog's static controls in child order; a
// message box's message is among them.
std::vector<std::wstring> StaticTexts(HWND dialog);
// Replaces an edit's text (the edit reports EN_UPDATE and EN_CHANGE).
void SetEditText(HWND dialog, int id, const std::wstring& text);
// Types each character into the control as the keyboard would (WM_CHAR).
void TypeInto(HWND dialog, int id, const std::wstring& text);
// Clicks the button (BM_CLICK); an id without a control is sent as the
// command itself.
void PressButton(HWND dialog, int id);

class DialogScript {
 public:
  // Gets the dialog up at that moment; true when done, false to be asked
  // again on the next tick.
  using Step = std::function<bool(HWND dialog)>;

  explicit DialogScript(std::vector<Step> steps);
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;
  bool Finished() const { return next_ == steps_.size(); }
  size_t StepsDone() const { return next_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept;

  std::vector<Step> steps_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

// A step that checks the caption and that one static text reads `text`
// (when given), then presses the button.
DialogScript::Step Answer(int buttonId, std::wstring caption = {}, std::wstring text = {});
// Puts text into the edit and presses OK.
DialogScript::Step EnterText(int editId, std::wstring text);

}  // namespace tvtest
