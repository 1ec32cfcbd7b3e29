#pragma once
// The system calls behind the file commands: moving and renaming, making a
// folder, recycling, telling whether two spellings name one file, and
// showing a file in Explorer. Each reports what the system said; deciding
// what to do about it is the caller's.
#include <windows.h>

#include <string>
#include <vector>

namespace tv {

struct FileOpOutcome {
  bool ok = false;
  DWORD error = 0;  // the system's error code when not ok
};

class FileOperations {
 public:
  // owner: the window the shell's own dialogs belong to.
  explicit FileOperations(HWND owner) : owner_(owner) {}

  // Moves or renames in one step, across volumes too. With replace, a file
  // at `to` is replaced by the same call, so a failure leaves both files as
  // they were; without it, an existing `to` makes the move fail.
  FileOpOutcome Move(const std::wstring& from, const std::wstring& to, bool replace) const;
  FileOpOutcome CreateFolder(const std::wstring& path) const;
  // Hands the files to the recycle bin through the shell, which may ask
  // before deleting what it cannot recycle. True when the shell reported
  // success; what really went is for the caller to check.
  bool Recycle(const std::vector<std::wstring>& paths) const;
  void ShowInExplorer(const std::wstring& path) const;

  // Both paths name one existing file: the same volume and file index, or,
  // where the file system gives no index, the same full long path in any
  // letter case.
  static bool SameFile(const std::wstring& a, const std::wstring& b);
  // The system's text for an error code, on one line.
  static std::wstring ErrorText(DWORD error);

 private:
  HWND owner_;
};

}  // namespace tv
