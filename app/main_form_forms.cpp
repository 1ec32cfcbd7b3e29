// The modal forms as the commands use them: each runs inside the modal
// bracket, and a cancelled form changes nothing.
#include <windows.h>

#include "app/main_form.h"
#include "app/settings_sync.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"

namespace tv {

std::optional<std::wstring> MainForm::AskText(const std::wstring& title, const std::wstring& prompt,
                                              const std::wstring& text) {
  BeginModal();
  std::optional<std::wstring> answer = inputForm_.Ask(instance_, window_, title, prompt, text);
  EndModal();
  return answer;
}

void MainForm::EditFileMask() {
  const auto mask = AskText(LocalizedString(IDS_FILE_MASK_TITLE), LocalizedString(IDS_FILE_MASK_PROMPT),
                            settings_.FileMaskString);
  if (!mask) return;
  settings_.FileMaskString = *mask;
  listSettings_ = ListSettingsFrom(settings_);
}

void MainForm::EditInternalLoaderMask() {
  const auto mask = AskText(LocalizedString(IDS_FILE_MASK_SETTING_TITLE),
                            LocalizedString(IDS_INTERNAL_LOADER_MASK_PROMPT), image_.InternalLoaderMask());
  if (!mask) return;
  settings_.InternalLoader = *mask;
  image_.SetInternalLoaderMask(*mask);
}

}  // namespace tv
