#include "settings/instance_cleanup.h"

#include <windows.h>

#include "settings/instance_files.h"
#include "settings/settings_text.h"
#include "util/file_system.h"
#include "util/key_value.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/text_file.h"
#include "util/win_handles.h"

namespace tv {
namespace {

// A path in a settings file may have been edited to name anything; only a
// shortcut that starts this program is taken for one of ours.
bool IsOurShortcut(const std::wstring& path, const std::wstring& programPath) {
  return !path.empty() && SamePathText(ExtensionOf(path), L".lnk") && IsExistingFile(path) &&
         SamePathText(ResolveShortcut(path), programPath);
}

bool RemoveFile(const std::wstring& path, RemovalReport& report) {
  if (!::DeleteFileW(path.c_str())) return false;
  report.removed.push_back(path);
  return true;
}

}  // namespace

void RemoveInstanceFiles(const InstanceFiles& files, const std::wstring& sendToFolder,
                         const std::wstring& programPath, RemovalReport& report) {
  if (IsOurShortcut(files.shortcutPath, programPath)) RemoveFile(files.shortcutPath, report);
  if (files.sendToShortcut) {
    const std::wstring link = sendToFolder.empty() ? std::wstring() : JoinPath(sendToFolder, SendToShortcutName(files.name));
    if (!IsOurShortcut(link, programPath) || !RemoveFile(link, report)) report.sendToShortcutsFound = false;
  }
  if (IsExistingFile(files.iniPath)) RemoveFile(files.iniPath, report);
  // The copy of unusable settings kept before they were overwritten is ours
  // too, and would otherwise keep the settings folder from going.
  const std::wstring backup = files.iniPath + L".bak";
  if (IsExistingFile(backup)) RemoveFile(backup, report);
}

RemovalReport RemoveAllInstances(const std::wstring& settingsFolder, const std::wstring& sendToFolder,
                                 const std::wstring& programPath) {
  RemovalReport report;
  std::vector<InstanceFiles> instances;
  WIN32_FIND_DATAW found{};
  UniqueFind search(::FindFirstFileW(JoinPath(settingsFolder, L"*.ini").c_str(), &found));
  if (search) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::wstring name = found.cFileName;
      // "*.ini" also matches longer extensions such as ".ini~".
      if (!SamePathText(ExtensionOf(name), L".ini")) continue;
      InstanceFiles files;
      files.iniPath = JoinPath(settingsFolder, name);
      KeyValueMap map;
      if (!LoadKeyValueFile(map, files.iniPath) || !IsCurrentSettingsVersion(map)) continue;
      files.name = name.substr(0, name.size() - 4);
      files.shortcutPath = GetText(map, L"ShortCutFileName", L"");
      files.sendToShortcut = GetBool(map, L"CreateSendToLink", false);
      instances.push_back(std::move(files));
    } while (::FindNextFileW(search.get(), &found));
  }
  for (const InstanceFiles& files : instances) RemoveInstanceFiles(files, sendToFolder, programPath, report);
  // Fails, leaving everything, while anything the user put there remains.
  if (::RemoveDirectoryW(settingsFolder.c_str())) report.removed.push_back(settingsFolder);
  return report;
}

}  // namespace tv
