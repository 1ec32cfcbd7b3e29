#pragma once
// The built viewer program run as a process of its own, as a user starts it,
// with its settings kept in the test's folder.
#include <windows.h>

#include <memory>
#include <string>

#include "util/win_handles.h"

namespace tvtest {

// A viewer process; closed, or ended, with the test whatever happens.
struct ChildViewer {
  DWORD id;
  tv::UniqueHandle process;
  ~ChildViewer();
  // Its main window, or null.
  HWND Window() const;
};

// Starts the viewer with the arguments (already quoted); null, and a test
// failure, when it could not be started. Its window comes later.
std::unique_ptr<ChildViewer> StartViewerProcess(const std::wstring& arguments);

// Points LOCALAPPDATA, under which the viewer keeps its settings folder, at
// `folder` for viewers started from here, for the object's life.
class ScopedLocalAppData {
 public:
  explicit ScopedLocalAppData(std::wstring folder);
  ~ScopedLocalAppData();
  ScopedLocalAppData(const ScopedLocalAppData&) = delete;
  ScopedLocalAppData& operator=(const ScopedLocalAppData&) = delete;
  const std::wstring& Folder() const { return folder_; }

 private:
  std::wstring folder_;
  wchar_t saved_[MAX_PATH] = {};
  bool hadValue_ = false;
};

}  // namespace tvtest
