#include "tests/app/child_viewer.h"

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/sibling_rules.h"
#include "tests/menus/shipped_program.h"

namespace tvtest {

ChildViewer::~ChildViewer() {
  if (const HWND window = Window()) ::PostMessageW(window, WM_CLOSE, 0, 0);
  if (process && ::WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
}

HWND ChildViewer::Window() const {
  for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, tv::MainForm::WindowClassName(), nullptr));) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(w, &owner);
    if (owner == id) return w;
  }
  return nullptr;
}

std::unique_ptr<ChildViewer> StartViewerProcess(const std::wstring& arguments) {
  std::wstring line = tv::QuoteArgument(ShippedProgramPath()) + L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(ShippedProgramPath().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
    ADD_FAILURE() << "the viewer did not start: error " << ::GetLastError();
    return nullptr;
  }
  const tv::UniqueHandle thread(started.hThread);
  return std::make_unique<ChildViewer>(started.dwProcessId, tv::UniqueHandle(started.hProcess));
}

ScopedLocalAppData::ScopedLocalAppData(std::wstring folder) : folder_(std::move(folder)) {
  ::CreateDirectoryW(folder_.c_str(), nullptr);
  hadValue_ = ::GetEnvironmentVariableW(L"LOCALAPPDATA", saved_, MAX_PATH) != 0;
  ::SetEnvironmentVariableW(L"LOCALAPPDATA", folder_.c_str());
}

ScopedLocalAppData::~ScopedLocalAppData() { ::SetEnvironmentVariableW(L"LOCALAPPDATA", hadValue_ ? saved_ : nullptr); }

}  // namespace tvtest
