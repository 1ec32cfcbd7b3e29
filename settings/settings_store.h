#pragma once
// The ini file of one instance: where it lives, reading it at start and
// writing it back. One store per window, living as long as the window; it
// remembers across calls whether and how the file may be written.
#include <string>

#include "filelist/image_entry.h"
#include "settings/settings_host.h"
#include "settings/settings_record.h"
#include "settings/start_inputs.h"

namespace tv {

// "<appData>\taverlune" and "<appData>\taverlune\<instance>.ini".
std::wstring SettingsFolderIn(const std::wstring& appDataFolder);
std::wstring IniFilePath(const std::wstring& appDataFolder, const std::wstring& instanceName);

struct SettingsLoadResult {
  // True when the settings were read, a new file was written, or a start
  // without the file was asked for; false when the file could not be used
  // (the initial values stay).
  bool ok = false;
  // The saved list was read into the file list, which becomes the active one.
  bool listRestored = false;
  // Side of the square window before the first picture, from UseCursorSize.
  int windowSide = WindowSideForCursorSize(0);
};

class SettingsStore {
 public:
  SettingsStore(std::wstring appDataFolder, std::wstring instanceName);

  // Empty when the application-data folder is unknown: nothing is read or
  // written then.
  const std::wstring& IniPath() const { return iniPath_; }

  // Reads the ini file into settings (a record holding its initial values)
  // and, when the list is to be restored, the saved list into fileList.
  // Messages go through host, as does the first-start shortcut offer.
  SettingsLoadResult LoadSettings(Settings& settings, ImageList& fileList, const StartInputs& inputs,
                                  SettingsHost& host);

  // Replaces the ini file with the settings (and the list, with
  // LoadLastFile). Returns true also when saving is deliberately skipped:
  // after DisableSaving, or when the file could not be read at start (its
  // contents are kept). False when the file could not be written.
  bool SaveSettings(const Settings& settings, const ImageList& fileList);

  // After "Delete Instance" or "Uninstall": no later save recreates the file.
  void DisableSaving() { savingDisabled_ = true; }
  bool SavingDisabled() const { return savingDisabled_; }
  // The file existed but could not be read at start: it is never written.
  bool KeepsUnreadableFile() const { return keepUnreadableFile_; }

 private:
  bool BackUpUnusableFile();

  std::wstring appDataFolder_;
  std::wstring iniPath_;
  bool savingDisabled_ = false;
  bool keepUnreadableFile_ = false;
  // The file held unusable settings: copy it to ".bak" before overwriting it.
  bool backupPending_ = false;
};

}  // namespace tv
