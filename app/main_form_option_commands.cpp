// The option commands: on/off settings and value groups. Each changes its
// setting only once start-up has finished; before, it only brings what
// depends on the setting in line. The marks follow from the table.
#include <windows.h>
#include <commdlg.h>

#include "app/main_form.h"
#include "app/settings_sync.h"
#include "menus/menu_ids.h"

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

void MainForm::ToggleFixRotate(const CommandRow& row, int index) {
  ToggleSetting(row, index);
  // The view keeps a copy, which the settings take back before every save.
  ViewOptions options = view_.Options();
  options.FixRotate = settings_.FixRotate;
  view_.SetOptions(options);
  image_.SetFixedRotation(settings_.FixRotate);
}

void MainForm::ToggleHideTaskButton(const CommandRow& row, int index) {
  ToggleSetting(row, index);
  const LONG_PTR style = ::GetWindowLongPtrW(window_, GWL_EXSTYLE);
  const LONG_PTR wanted =
      settings_.HideTaskButton ? (style | WS_EX_TOOLWINDOW) : (style & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW));
  // The window is made with the loaded style; start-up has nothing to redo.
  if (wanted == style) return;
  ::SetWindowLongPtrW(window_, GWL_EXSTYLE, wanted);
  ::SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  // The taskbar notices the changed style only when the window reappears.
  if (visible_) {
    ::ShowWindow(window_, SW_HIDE);
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
  } else {
    ::ShowWindow(window_, settings_.HideTaskButton ? SW_SHOWNORMAL : SW_MINIMIZE);
  }
}

void MainForm::SetFontSize(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  LOGFONTW font{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  const WindowDC dc(window_);
  font.lfHeight = ::MulDiv(settings_.FontSize, ::GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
  font.lfWidth = 0;
  UniqueFont fresh(::CreateFontIndirectW(&font));
  if (!fresh || !listBox_.Handle()) return;
  ::SendMessageW(listBox_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fresh.get()), settings_.ShowingList);
  listFont_ = std::move(fresh);  // the previous font goes once the list no longer uses it
}

void MainForm::SetCursorSize(const CommandRow& row, int index) {
  ChooseSetting(row, index);
  LoadCursorSet();
}

bool MainForm::ChooseColour(Argb& colour) {
  std::array<COLORREF, 16> custom{};
  for (size_t i = 0; i < custom.size(); ++i) custom[i] = settings_.StockColor[i];
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = window_;
  choose.rgbResult = ArgbToColourRef(colour);
  choose.lpCustColors = custom.data();
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  BeginModal();
  const bool chosen = ::ChooseColorW(&choose) != FALSE;
  EndModal();
  // The custom colours the user mixed are kept whatever the answer.
  for (size_t i = 0; i < custom.size(); ++i) settings_.StockColor[i] = custom[i];
  if (!chosen) return false;
  colour = ColourRefToArgb(choose.rgbResult);
  return true;
}

void MainForm::ChooseBackgroundColor() {
  if (!ChooseColour(settings_.FullFillColor)) return;
  image_.SetFillColor(settings_.FullFillColor);
  contrastColour_ = ContrastColour(settings_.FullFillColor);
  if (!PaintInProgress()) RepaintNow();
}

void MainForm::ChooseBorderColor() {
  if (!ChooseColour(settings_.FrameColor)) return;
  if (!PaintInProgress()) RepaintNow();
}

// Toggles run only for the settings loaded on, in this order: of two modes
// that exclude each other and were both stored on, the later one wins. Each
// group runs with its first item, which before `initialized` stores nothing.
void MainForm::SyncMenusAtStartup() {
  static constexpr int kToggles[] = {IDM_ALWAYS_ON_TOP,       IDM_FIT_TO_SCREEN,       IDM_USE_WHOLE_SCREEN,
                                     IDM_FIX_DIAGONAL_LENGTH, IDM_FIX_SIZE_RATIO,      IDM_FULL_SCREEN,
                                     IDM_SLIDE_SHOW,          IDM_LOCK,                IDM_FIX_ROTATION,
                                     IDM_HIDE_TASK_BUTTON,    IDM_SEARCH_SUB_FOLDERS,  IDM_KEEP_PREVIOUS_FILES,
                                     IDM_KEEP_PREVIOUS_POSITION, IDM_ENABLE_FILE_MASK, IDM_AUTO_LOAD_FILE_FOLDER};
  static constexpr int kGroups[] = {IDM_ROTATE_NONE, IDM_POSITION_NONE,   IDM_BORDER_WIDTH_0,   IDM_INTERVAL_1S,
                                    IDM_TRAY_ICON_GREEN, IDM_WHEEL_DEFAULT, IDM_FONT_SIZE_7, IDM_TRANSPARENCY_100,
                                    IDM_CURSOR_SIZE_NORMAL};
  if (initialized_) return;
  ShowTrayIcon();
  const Settings loaded = settings_;
  for (const int id : kToggles) {
    const CommandRow* row = FindCommandRow(id, CommandFacts{loaded});
    if (!row || !row->mark.flag || !(loaded.*(row->mark.flag))) continue;
    // An earlier handler may have switched this mode off as it switched its
    // own on; it runs on the loaded value all the same.
    SyncSettingsFromView();
    settings_.*(row->mark.flag) = true;
    SyncViewFromSettings();
    RunCommand(id);
  }
  for (const int id : kGroups) RunCommand(id);
  MenuMarksChanged();
}

}  // namespace tv
