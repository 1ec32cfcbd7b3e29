// The option commands: on/off settings and value groups. Each changes its
// setting only once start-up has finished; before, it only brings what
// depends on the setting in line. The marks follow from the table.
#include <windows.h>

#include "app/main_form.h"
#include "app/settings_sync.h"

namespace tv {

void MainForm::ToggleSetting(const CommandRow& row, int) {
  bool& flag = settings_.*(row.mark.flag);
  if (initialized_) flag = !flag;
  listSettings_ = ListSettingsFrom(settings_);
}

void MainForm::ChooseSetting(const CommandRow& row, int index) {
  if (initialized_) settings_.*(row.mark.field) = ItemValue(row.mark, index) * row.mark.unit;
}

void MainForm::ToggleAlwaysTop(const CommandRow& row, int index) {
  ToggleSetting(row, index);
  view_.SetAlwaysTop(settings_.AlwaysTop);
  ::SetWindowPos(window_, settings_.AlwaysTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainForm::ToggleSlideShow() {
  if (initialized_) settings_.SlideShow = !settings_.SlideShow;
  SyncMenuStates();
  RestartSlideTimer();
  idle_.MarkShown();
  RepaintNow();
}

void MainForm::SetTransparency(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  ApplyAlpha();
}

void MainForm::SetBorderWidth(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  view_.SetFrameWidth(settings_.FrameWidth);
}

void MainForm::SetSlideShowInterval(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  RestartSlideTimer();
}

}  // namespace tv
