// The plug-in commands and the hook-up of the plug-ins to the window.
#include <windows.h>

#include <algorithm>

#include "app/main_form.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "util/file_dialogs.h"

namespace tv {

void MainForm::StartPlugins() {
  // Plug-ins report from deep inside their own code: nothing may be thrown
  // back into it.
  image_.SetProgressFunction(
      [](void* context, int done, int total) noexcept {
        try {
          return static_cast<MainForm*>(context)->ReportLoadProgress(done, total);
        } catch (...) {
          return 0;
        }
      },
      this);
  image_.LoadPlugins(settings_.PluginPath);
}

void MainForm::SetPluginFolderCommand() {
  // Start-up has put the program's own folder into an empty list.
  const std::wstring start = settings_.PluginPath.empty() ? std::wstring() : settings_.PluginPath.front();
  std::wstring folder;
  BeginModal();
  const bool chosen = PickFolderDialog(window_, start, LocalizedString(IDS_SELECT_PLUGIN_FOLDER), folder);
  EndModal();
  if (chosen && !folder.empty()) UsePluginFolder(folder);
}

void MainForm::UsePluginFolder(const std::wstring& folder) {
  std::vector<std::wstring>& folders = settings_.PluginPath;
  if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
    if (folders.empty()) folders.push_back(folder);
    else folders.front() = folder;
  }
  image_.LoadPlugins(folders);
  std::wstring text = LocalizedString(IDS_PLUGIN_FOLDER_SET_HEAD);
  for (const std::wstring& each : folders) text += each + LocalizedString(IDS_PLUGIN_FOLDER_SET_TAIL);
  ShowMessage({0, text, L"Information", MessageIcon::Information});
}

void MainForm::OpenPluginDialogCommand() {
  BeginModal();
  image_.OpenPluginDialog(window_);
  EndModal();
}

}  // namespace tv
