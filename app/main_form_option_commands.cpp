// The option commands: on/off settings and value groups. Each changes its
// setting only once start-up has finished; before, it only brings what
// depends on the setting in line. The marks follow from the table.
#include <windows.h>
#include <commdlg.h>

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
  LONG_PTR style = ::GetWindowLongPtrW(window_, GWL_EXSTYLE);
  style = settings_.HideTaskButton ? (style | WS_EX_TOOLWINDOW) : (style & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW));
  ::SetWindowLongPtrW(window_, GWL_EXSTYLE, style);
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
  if (row.mark.field) ChooseSetting(row, index);
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

}  // namespace tv
