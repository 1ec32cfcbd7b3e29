#pragma once
// Removing what instances left behind. Only files this program made are
// touched: ini files that read as its settings, and shortcuts recorded in
// them that still start this program. Whatever else lies in those folders
// stays.
#include <string>
#include <vector>

namespace tv {

struct RemovalReport {
  std::vector<std::wstring> removed;  // full paths, in the order removed
  // Every recorded "Send To" shortcut was still there and was removed.
  bool sendToShortcutsFound = true;
};

// The files one instance owns, as its settings record them.
struct InstanceFiles {
  std::wstring name;
  std::wstring iniPath;
  std::wstring shortcutPath;  // ShortCutFileName, may be empty
  bool sendToShortcut = false;  // CreateSendToLink
};

// Removes the instance's shortcuts (when they start programPath), its ini
// file and that file's backup.
void RemoveInstanceFiles(const InstanceFiles& files, const std::wstring& sendToFolder,
                         const std::wstring& programPath, RemovalReport& report);

// Does that for every instance whose ini file lies in settingsFolder, then
// removes the folder when nothing else is left in it.
RemovalReport RemoveAllInstances(const std::wstring& settingsFolder, const std::wstring& sendToFolder,
                                 const std::wstring& programPath);

}  // namespace tv
