#include "settings/settings_store.h"

#include <algorithm>
#include <utility>

#include "settings/list_lines.h"
#include "settings/make_folder.h"
#include "settings/settings_text.h"
#include "util/file_system.h"
#include "util/key_value.h"
#include "util/text_file.h"

namespace tv {

namespace {
#ifdef _WIN32
constexpr wchar_t kSeparator = L'\\';
#else
constexpr wchar_t kSeparator = L'/';
#endif
}  // namespace

std::wstring SettingsFolderIn(const std::wstring& appDataFolder) {
  return appDataFolder + kSeparator + L"taverlune";
}

std::wstring IniFilePath(const std::wstring& appDataFolder, const std::wstring& instanceName) {
  return SettingsFolderIn(appDataFolder) + kSeparator + instanceName + L".ini";
}

SettingsStore::SettingsStore(std::wstring appDataFolder, std::wstring instanceName)
    : appDataFolder_(std::move(appDataFolder)) {
  // Without the application-data folder the path would start at the root of
  // the current drive; there is then no ini file at all.
  if (!appDataFolder_.empty()) iniPath_ = IniFilePath(appDataFolder_, instanceName);
}

SettingsLoadResult SettingsStore::LoadSettings(Settings& settings, ImageList& fileList, const StartInputs& inputs,
                                               SettingsHost& host) {
  SettingsLoadResult result;
  if (StartsWithoutIni(inputs)) {
    host.ShowMessage({kStartWithoutIniTextId, L"Start without ini File.\nReset plugin folder and other Settings.",
                      L"Information", MessageIcon::Information});
    result.ok = true;
    return result;
  }

  if (iniPath_.empty()) return result;

  const TextFile file = ReadTextFile(iniPath_);
  if (file.status == FileStatus::Missing) {
    if (OffersFirstStartShortcut(inputs)) host.OfferFirstStartShortcut();
    SaveSettings(settings, fileList);
    result.ok = true;
    return result;
  }
  if (file.status == FileStatus::Unreadable) {
    // Locked by another program for the moment, or not accessible: treating
    // it as missing would overwrite the user's settings at close.
    keepUnreadableFile_ = true;
    host.ShowMessage({0,
                      L"The settings file\n" + iniPath_ +
                          L"\ncould not be read. This window starts with the default settings and "
                          L"will not save them, so the file stays as it is.",
                      L"Failed", MessageIcon::Warning});
    return result;
  }

  KeyValueMap map;
  ParseKeyValueText(map, file.text);
  if (file.text.empty() || !IsCurrentSettingsVersion(map)) {
    backupPending_ = true;
    return result;
  }

  ReadSettingsValues(settings, map);
  result.windowSide = WindowSideForCursorSize(settings.UseCursorSize);
  if (RestoresSavedList(inputs, settings.LoadLastFile)) {
    settings.ShowIndex = std::max(settings.ShowIndex, 0);
    ListReadOptions options;
    options.maskEnabled = settings.EnableFileMask;
    options.mask = settings.FileMaskString;
    options.cancelRequested = [&host] { return host.CancelRequested(); };
    ReadListLines(fileList, map, options);
    result.listRestored = true;
  } else {
    settings.ShowIndex = -1;
  }
  result.ok = true;
  return result;
}

bool SettingsStore::BackUpUnusableFile() {
  const FileBytes old = ReadFileBytes(iniPath_);
  if (old.status == FileStatus::Missing || (old.status == FileStatus::Ok && old.bytes.empty())) return true;
  if (old.status != FileStatus::Ok) return false;
  return WriteFileReplacing(iniPath_ + L".bak", old.bytes);
}

bool SettingsStore::SaveSettings(const Settings& settings, const ImageList& fileList) {
  if (savingDisabled_ || keepUnreadableFile_) return true;
  if (iniPath_.empty()) return false;
  const std::wstring text = BuildSettingsText(settings, fileList);
  MakeFolderIfMissing(SettingsFolderIn(appDataFolder_));
  if (backupPending_) {
    // Without a backup the old file is not replaced: it may be the only copy
    // of the user's settings.
    if (!BackUpUnusableFile()) return false;
    backupPending_ = false;
  }
  return WriteTextFile(iniPath_, text);
}

}  // namespace tv
