// Persistence commands of the option menu: saving the file list, and the
// instances with their shortcuts, deletion and uninstall. Dialogs and
// questions run inside the modal bracket.
#include <windows.h>

#include "app/instance_name.h"
#include "app/main_form.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "settings/app_data_folder.h"
#include "settings/instance_cleanup.h"
#include "settings/instance_files.h"
#include "settings/make_folder.h"
#include "util/file_dialogs.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/window_util.h"

namespace tv {
namespace {

std::wstring RemovedList(const std::vector<std::wstring>& removed) {
  std::wstring text = L"\n\nRemoved:";
  if (removed.empty()) text += L"\nnothing";
  for (const std::wstring& path : removed) text += L"\n" + path;
  return text;
}

}  // namespace

std::wstring MainForm::DesktopFolderNow() const {
  return options_.desktopFolder.empty() ? DesktopFolder() : options_.desktopFolder;
}

std::wstring MainForm::SendToFolderNow() const {
  return options_.sendToFolder.empty() ? SendToFolder() : options_.sendToFolder;
}

void MainForm::OfferFirstStartShortcut() {
  if (!options_.offerFirstStartShortcut) return;
  OfferInstanceShortcut(kDefaultInstanceName);
  OfferSendToShortcut(kDefaultInstanceName);
}

void MainForm::OfferInstanceShortcut(const std::wstring& name) {
  const bool isDefault = name == kDefaultInstanceName;
  ShowMessage({isDefault ? IDS_CREATE_APP_SHORTCUT : IDS_CREATE_INSTANCE_SHORTCUT, L"", L"Information",
               MessageIcon::Information});
  std::wstring chosen;
  BeginModal();
  const bool ok = SaveFileDialog(window_, LocalizedString(IDS_FILTER_SHORTCUT), LocalizedString(IDS_CREATE_SHORTCUT_TITLE),
                                 DesktopFolderNow(), DesktopShortcutName(name), true, chosen);
  EndModal();
  if (!ok || chosen.empty()) return;
  // Shortcut failures are not reported: the user sees no shortcut and can try again.
  if (CreateShortcut(ProgramPath(), chosen, DesktopShortcutArguments(name))) settings_.ShortCutFileName = chosen;
}

void MainForm::OfferSendToShortcut(const std::wstring& name) {
  if (!Confirm(IDS_ASK_SEND_TO_SHORTCUT)) return;
  const std::wstring folder = SendToFolderNow();
  if (folder.empty()) return;
  const std::wstring link = JoinPath(folder, SendToShortcutName(name));
  if (IsExistingFile(link) && !Confirm(IDS_ASK_OVERWRITE_SHORTCUT)) return;
  if (CreateShortcut(ProgramPath(), link, L"")) settings_.CreateSendToLink = true;
}

void MainForm::CreateInstanceCommand() {
  if (appDataFolder_.empty()) return;
  ShowMessage({IDS_SAVE_INSTANCE_INI, L"", L"Information", MessageIcon::Information});
  const std::wstring folder = SettingsFolderIn(appDataFolder_);
  MakeFolderIfMissing(folder);
  std::wstring name;
  for (;;) {
    std::wstring chosen;
    BeginModal();
    const bool ok = SaveFileDialog(window_, LocalizedString(IDS_FILTER_INI), LocalizedString(IDS_SAVE_INI_TITLE),
                                   folder, L"", false, chosen);
    EndModal();
    if (!ok || chosen.empty()) return;
    if (FolderOf(chosen) != folder) {
      ShowMessage({IDS_SAVE_INI_WHERE_SHOWN, L"", L"Information", MessageIcon::Information});
      continue;
    }
    std::wstring stem = FileNameOf(chosen);
    if (const size_t dot = stem.rfind(L'.'); dot != std::wstring::npos && dot > 0) stem.resize(dot);
    // The default instance is not made twice, and a name must make a usable
    // ini file name of its own.
    if (IsDefaultInstanceName(stem) || CheckInstanceName(stem) != InstanceNameFault::None) {
      ShowMessage({0, L"\"" + stem + L"\" cannot be the name of a new instance.", L"Information",
                   MessageIcon::Warning});
      continue;
    }
    // Another instance's settings would be overwritten by this window's.
    if (IsExistingFile(IniFilePath(appDataFolder_, stem)) &&
        !AskYesNo(L"The instance \"" + stem + L"\" already exists.\nReplace its settings with this window's, OK?",
                  L"Confirmation"))
      continue;
    name = stem;
    break;
  }
  // The new instance records only the shortcuts made for it.
  settings_.ShortCutFileName.clear();
  settings_.CreateSendToLink = false;
  OfferInstanceShortcut(name);
  OfferSendToShortcut(name);
  BecomeInstance(name);
}

void MainForm::BecomeInstance(const std::wstring& name) {
  store_ = std::make_unique<SettingsStore>(appDataFolder_, name);
  identity_ = IdentityForName(name);
  SaveSettingsNow();
  ::SetWindowTextW(window_, identity_.windowTitle.c_str());
  ShowTrayIcon();
  SyncMenuStates();
}

void MainForm::DeleteInstanceCommand() {
  if (!identity_.named || appDataFolder_.empty()) return;
  if (!Confirm(IDS_ASK_DELETE_INSTANCE)) return;
  RemovalReport report;
  const InstanceFiles files{identity_.name, IniFilePath(appDataFolder_, identity_.name), settings_.ShortCutFileName,
                            settings_.CreateSendToLink};
  RemoveInstanceFiles(files, SendToFolderNow(), ProgramPath(), report);
  TellWindowsSettingsRemoved(files.iniPath);
  ExitAfterRemoval(report.sendToShortcutsFound ? IDS_INSTANCE_DELETED : IDS_INSTANCE_DELETED_MOVED_SHORTCUT,
                   report.removed);
}

void MainForm::UninstallCommand() {
  if (appDataFolder_.empty()) return;
  if (!Confirm(IDS_ASK_UNINSTALL)) return;
  const RemovalReport report =
      RemoveAllInstances(SettingsFolderIn(appDataFolder_), SendToFolderNow(), ProgramPath());
  TellWindowsSettingsRemoved(SettingsFolderIn(appDataFolder_));
  ExitAfterRemoval(report.sendToShortcutsFound ? IDS_UNINSTALL_DONE : IDS_UNINSTALL_DONE_MOVED_SHORTCUT,
                   report.removed);
}

void MainForm::ExitAfterRemoval(unsigned textId, const std::vector<std::wstring>& removed) {
  store_->DisableSaving();
  ShowMessage({0, LocalizedString(textId) + RemovedList(removed), L"Information", MessageIcon::Information});
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
}

void MainForm::SaveFilelistCommand() {
  if (list_.FileList().empty()) return;
  std::wstring folder, name;
  if (tflFileName_.empty()) {
    folder = pathOnDisplay_.empty() ? DesktopFolderNow() : FolderOf(pathOnDisplay_);
  } else {
    folder = FolderOf(tflFileName_);
    name = FileNameOf(tflFileName_);
  }
  std::wstring chosen;
  BeginModal();
  const bool ok = SaveFileDialog(window_, LocalizedString(IDS_FILTER_FILE_LIST), LocalizedString(IDS_SAVE_FILE_LIST_TITLE),
                                 folder, name, true, chosen);
  EndModal();
  if (!ok || chosen.empty()) return;
  RecordNamesOfEntryOnDisplay();
  const ShownPosition position{list_.ShowIndex(), list_.ShowArchive(), settings_.ShowFileName,
                               settings_.ShowArchiveName};
  if (SaveListFile(chosen, list_.FileList(), position, *this)) tflFileName_ = chosen;
}

}  // namespace tv
