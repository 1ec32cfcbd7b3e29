#include "tests/app/viewer_fixture.h"

#include "tests/imaging/picture_files.h"
#include "tests/menus/shipped_program.h"
#include "util/file_system.h"
#include "util/win_handles.h"

namespace tvtest {

std::uint32_t ScreenPixel(int x, int y) {
  const tv::WindowDC screen(nullptr);
  const COLORREF c = ::GetPixel(screen.get(), x, y);
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

ViewerTest::ViewerTest() {
  pictures_ = folder_.MakeFolder(L"pictures");
  appData_ = folder_.MakeFolder(L"appdata");
}

ViewerTest::~ViewerTest() {
  if (form_ && form_->Window()) ::DestroyWindow(form_->Window());
  Pump();
  form_.reset();
}

std::wstring ViewerTest::WritePicture(const std::wstring& name, std::uint32_t argb, int width, int height) {
  const std::string bytes = EncodeWithGdiplus(width, height, [argb](int, int) { return argb; }, L"image/png");
  EXPECT_FALSE(bytes.empty());
  const std::wstring path = pictures_ + L"\\" + name;
  EXPECT_TRUE(tv::WriteFileReplacing(path, bytes));
  return path;
}

void ViewerTest::WriteRedGreenBlue() {
  WritePicture(L"a.png", 0xFFFF0000);
  WritePicture(L"b.png", 0xFF00FF00);
  WritePicture(L"c.png", 0xFF0000FF);
}

void ViewerTest::Start(const std::vector<std::wstring>& arguments, bool showMessageBoxes) {
  if (form_ && form_->Window()) CloseWindow();
  form_.reset();
  tv::MainFormOptions options;
  options.appDataFolder = appData_;
  options.readStartKeys = false;
  options.showMessageBoxes = showMessageBoxes;
  options.uiLanguage = uiLanguage_;
  options.programPath = ShippedProgramPath();
  options.desktopFolder = folder_.Join(L"desktop");
  options.sendToFolder = folder_.Join(L"sendto");
  options.offerFirstStartShortcut = offerFirstStartShortcut_;
  form_ = std::make_unique<tv::MainForm>(options);
  ASSERT_TRUE(form_->Startup(::GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE, arguments));
  Pump();
}

void ViewerTest::Press(UINT virtualKey, unsigned modifiers, HWND target) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = (modifiers & tv::kShift) ? 0x80 : 0;
  keys[VK_CONTROL] = (modifiers & tv::kCtrl) ? 0x80 : 0;
  keys[VK_MENU] = (modifiers & tv::kAlt) ? 0x80 : 0;
  ::SetKeyboardState(keys);
  ::SendMessageW(target ? target : form_->Window(), (modifiers & tv::kAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN,
                 virtualKey, 1);
  keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
  ::SetKeyboardState(keys);
  Pump();
}

void ViewerTest::Command(int id) {
  ::SendMessageW(form_->Window(), WM_COMMAND, static_cast<WPARAM>(id), 0);
  Pump();
}

void ViewerTest::Pump(int milliseconds) {
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG message;
  do {
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;  // the window posts it as it goes
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    if (milliseconds > 0) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (static_cast<int>(end - ::GetTickCount()) > 0);
}

bool ViewerTest::PumpUntil(const std::function<bool()>& done, int milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    Pump();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

namespace {
std::function<void()> dialogAction;

void CALLBACK RunInsideDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = ::FindWindowW(L"#32770", nullptr);
  if (!box) return;
  ::KillTimer(nullptr, timer);
  if (dialogAction) dialogAction();
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}
}  // namespace

void ViewerTest::WhileDialogOpen(UINT key, std::function<void()> whileOpen) {
  WhileDialogOpen([&] { Press(key); }, std::move(whileOpen));
}

void ViewerTest::WhileDialogOpen(const std::function<void()>& open, std::function<void()> whileOpen) {
  dialogAction = std::move(whileOpen);
  ::SetTimer(nullptr, 0, 50, &RunInsideDialog);
  open();
  dialogAction = nullptr;
}

void ViewerTest::CloseWindow() {
  ::PostMessageW(form_->Window(), WM_CLOSE, 0, 0);
  PumpUntil([this] { return !form_->Window(); }, 2000);
}

std::wstring ViewerTest::Shown() const {
  const std::wstring& path = form_->PathOnDisplay();
  return path.rfind(pictures_ + L"\\", 0) == 0 ? path.substr(pictures_.size() + 1) : path;
}

std::wstring ViewerTest::IniPath() const { return appData_ + L"\\taverlune\\taverlune.ini"; }

}  // namespace tvtest
