#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tvtest {
namespace {

DialogScript* running = nullptr;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

BOOL CALLBACK PickDialog(HWND window, LPARAM found) {
  if (ClassOf(window) != L"#32770" || !::IsWindowVisible(window) || !::IsWindowEnabled(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;  // windows come topmost first
}

}  // namespace

HWND ActiveDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &PickDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(std::max(0, ::GetWindowTextW(window, text.data(), static_cast<int>(text.size())))));
  return text;
}

std::wstring ItemTextOf(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && ::GetWindowTextLengthW(child) > 0)
      texts.push_back(TextOf(child));
  }
  return texts;
}

void SetEditText(HWND dialog, int id, const std::wstring& text) { ::SetDlgItemTextW(dialog, id, text.c_str()); }

void TypeInto(HWND dialog, int id, const std::wstring& text) {
  for (wchar_t c : text) ::SendMessageW(::GetDlgItem(dialog, id), WM_CHAR, c, 1);
}

void PressButton(HWND dialog, int id) {
  const HWND button = ::GetDlgItem(dialog, id);
  if (button && ::IsWindowEnabled(button))
    ::SendMessageW(button, BM_CLICK, 0, 0);
  else
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
  running = this;
  timer_ = ::SetTimer(nullptr, 0, 20, &DialogScript::Tick);
  EXPECT_NE(timer_, 0u);
}

DialogScript::~DialogScript() {
  ::KillTimer(nullptr, timer_);
  if (running == this) running = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
  DialogScript* script = running;
  const HWND dialog = ActiveDialog();
  if (!script || script->Finished() || !dialog) return;
  // A step that presses a button may open the next dialog before it
  // returns; the ticks inside that dialog's loop go on with the next step.
  const size_t index = script->next_++;
  if (!script->steps_[index](dialog) && script->next_ == index + 1) script->next_ = index;
}

DialogScript::Step Answer(int buttonId, std::wstring caption, std::wstring text) {
  return [=](HWND dialog) {
    if (!caption.empty()) {
      EXPECT_EQ(TextOf(dialog), caption);
    }
    if (!text.empty()) {
      const auto texts = StaticTexts(dialog);
      EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << "no static text reads the expected text";
    }
    PressButton(dialog, buttonId);
    return true;
  };
}

DialogScript::Step EnterText(int editId, std::wstring text) {
  return [=](HWND dialog) {
    SetEditText(dialog, editId, text);
    PressButton(dialog, IDOK);
    return true;
  };
}

}  // namespace tvtest
