// The open history: what was opened is offered again from the History
// sub-menu, and every change of it is saved at once.
#include <windows.h>

#include "app/main_form.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "menus/text_menu.h"
#include "settings/recent_paths.h"
#include "util/file_system.h"

namespace tv {

bool MainForm::AddPathsToHistory(const std::vector<std::wstring>& paths) {
  if (!RecentPaths(settings_.History, settings_.MaxHistoryNum).AddAll(paths)) return false;
  BuildHistoryMenu();
  return true;
}

void MainForm::BuildHistoryMenu() {
  const std::vector<HistoryMenuItem> items =
      HistoryMenuItems(settings_.History, IDM_HISTORY_FIRST, LocalizedString(IDS_MENU_CLEAR_HISTORY));
  if (popup_ && !items.empty()) {
    if (UniqueMenu fresh = MenuOfItems(items)) {
      ReplaceHistorySubMenu(fresh.get());
      (void)fresh.release();  // the popup menu owns it now
    }
  }
  SyncMenuStates();  // greys the item while the history is empty
  if (historyMenuBuilt_) SaveSettingsNow();
  historyMenuBuilt_ = true;
}

void MainForm::ReplaceHistorySubMenu(HMENU fresh) {
  if (!popup_) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU;
  if (!::GetMenuItemInfoW(popup_, IDM_HISTORY, FALSE, &info)) return;
  const UniqueMenu previous(info.hSubMenu);
  info.hSubMenu = fresh;
  ::SetMenuItemInfoW(popup_, IDM_HISTORY, FALSE, &info);
}

void MainForm::HistoryCommand(const CommandRow&, int index) {
  const size_t count = settings_.History.size();
  if (index < 0 || static_cast<size_t>(index) > count) return;
  if (static_cast<size_t>(index) == count) {
    ClearHistory();
    return;
  }
  // A copy: moving the entry to the front reorders the list it lives in.
  const std::wstring path = settings_.History[static_cast<size_t>(index)];
  // A path gone since it was recorded opens nothing and keeps its place.
  if (!IsExistingFile(path) && !IsExistingFolder(path)) return;
  AddPathsToHistory({path});
  OpenPaths({path}, 0, CtrlHeld() ? 1 : 0);
}

void MainForm::ClearHistory() {
  if (!Confirm(IDS_ASK_CLEAR_HISTORY)) return;
  settings_.History.clear();
  settings_.MovedFolder.clear();
  ReplaceHistorySubMenu(nullptr);
}

bool MainForm::RenameInHistory(const std::wstring& oldPath, const std::wstring& newPath) {
  const std::optional<size_t> index = RecentPaths(settings_.History, settings_.MaxHistoryNum).Rename(oldPath, newPath);
  if (!index) return false;
  if (popup_)
    ::ModifyMenuW(popup_, static_cast<UINT>(IDM_HISTORY_FIRST + *index), MF_BYCOMMAND | MF_STRING,
                  static_cast<UINT_PTR>(IDM_HISTORY_FIRST + *index), newPath.c_str());
  return true;
}

void MainForm::AddMovedFolder(const std::wstring& folder) {
  RecentPaths(settings_.MovedFolder, settings_.MaxMovedFolderNum).Add(folder);
}

bool MainForm::Confirm(unsigned textId) {
  recordedMessages_.push_back(LocalizedString(textId));
  if (!options_.showMessageBoxes) return true;
  BeginModal();
  const int answer = ::MessageBoxW(window_, recordedMessages_.back().c_str(), L"Confirmation", MB_YESNO | MB_ICONQUESTION);
  EndModal();
  return answer != IDNO;
}

}  // namespace tv
