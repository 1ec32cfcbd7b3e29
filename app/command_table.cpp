// The rows, in the order of the popup menu.
#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "app/main_form.h"
#include "menus/menu_ids.h"

namespace tv {
namespace {

using S = Settings;
using M = MainForm;

// The values behind the radio groups; the handlers store them and the marks
// compare against them, both through the row.
constexpr std::array<int, 4> kAlphaValues = {255, 192, 128, 64};
constexpr std::array<int, 7> kBorderWidths = {0, 1, 5, 10, 15, 20, 30};
constexpr std::array<int, 15> kIntervalSeconds = {1,    2,    5,     10,    30,    60,    300,  900,
                                                  1800, 3600, 7200, 10800, 21600, 43200, 86400};
constexpr std::array<int, 10> kFontSizes = {7, 8, 9, 10, 11, 13, 15, 17, 19, 21};
constexpr std::array<int, 3> kWheelSensitivities = {120, 720, 1440};

// History items reach up to MaxHistoryNum, which is read clamped to 50.
constexpr int kMostHistoryItems = 51;

constexpr MarkRule Check(bool S::*flag) { return {flag}; }
constexpr MarkRule Radio(int S::*field, std::span<const int> values = {}, int unit = 1) {
  return {nullptr, field, values, unit};
}

constexpr CommandRow One(int id, CommandHandler handler, MarkRule mark = {}, CommandCondition greyed = nullptr) {
  return {id, id, handler, mark, greyed};
}
constexpr CommandRow Group(int first, int last, CommandHandler handler, MarkRule mark = {}, int firstIndex = 0) {
  return {first, last, handler, mark, nullptr, nullptr, firstIndex};
}
constexpr CommandRow Generated(int first, int most, CommandHandler handler, CommandCount inUse) {
  return {first, first + most - 1, handler, {}, nullptr, inUse};
}

bool ShowingList(const CommandFacts& f) { return f.settings.ShowingList; }
bool NoArchiveOpen(const CommandFacts& f) { return !f.archiveOpen; }
bool DefaultInstance(const CommandFacts& f) { return !f.instanceNamed; }
int MoveTargets(const CommandFacts& f) { return f.moveTargetCount; }
bool NoHistory(const CommandFacts& f) { return f.settings.History.empty(); }
// One item per entry and the clear item after them; none while empty.
int HistoryItems(const CommandFacts& f) {
  const int entries = static_cast<int>(std::min<size_t>(f.settings.History.size(), kMostHistoryItems - 1));
  return entries == 0 ? 0 : entries + 1;
}

}  // namespace

// Handlers that need neither the row nor the index.
template <void (MainForm::*Action)()>
void MainForm::RunPlain(const CommandRow&, int) {
  (this->*Action)();
}

template <void (ViewGeometry::*Action)()>
void MainForm::RunView(const CommandRow&, int) {
  (view_.*Action)();
}

std::span<const CommandRow> CommandRows() {
  constexpr CommandHandler noCommand = nullptr;
  static constexpr CommandRow kRows[] = {
      One(IDM_HIDE, &M::RunPlain<&M::ToggleHide>),
      One(IDM_SHOW_PIXEL_BY_PIXEL, &M::RunView<&ViewGeometry::ShowPixelByPixel>),
      One(IDM_SHOW_IN_SCREEN, &M::RunView<&ViewGeometry::ShowInScreen>),
      One(IDM_MOVE_TO_CENTER, &M::RunView<&ViewGeometry::MoveToCenter>),
      Group(IDM_POSITION_NONE, IDM_POSITION_LEFT_BOTTOM, &M::SetShowPosition, Radio(&S::PositionMode)),
      Group(IDM_POSITION_RIGHT_BOTTOM, IDM_POSITION_RIGHT_BOTTOM, &M::SetShowPosition, Radio(&S::PositionMode), 5),
      Group(IDM_ROTATE_NONE, IDM_ROTATE_LEFT, &M::SelectRotation, Radio(&S::RotateValue)),
      Group(IDM_TURN_RIGHT, IDM_TURN_LEFT, &M::TurnCommand),
      One(IDM_FIX_ROTATION, &M::ToggleFixRotate, Check(&S::FixRotate)),
      One(IDM_ALWAYS_ON_TOP, &M::ToggleAlwaysTop, Check(&S::AlwaysTop)),
      One(IDM_FIX_SIZE_RATIO, &M::RunView<&ViewGeometry::ToggleFixSizeRatio>, Check(&S::FixSizeRatio)),
      One(IDM_FIX_DIAGONAL_LENGTH, &M::ToggleFixDiagonalLength, Check(&S::FixDiagonalLength)),
      One(IDM_SET_WINDOW_SIZE, &M::RunPlain<&M::SetWindowSizeByForm>),
      One(IDM_FIT_TO_SCREEN, &M::RunView<&ViewGeometry::ToggleFitToScreen>, Check(&S::FitToScreen)),
      One(IDM_USE_WHOLE_SCREEN, &M::RunView<&ViewGeometry::ToggleUseWholeScreen>, Check(&S::UseWholeScreen)),
      One(IDM_FULL_SCREEN, &M::RunView<&ViewGeometry::ToggleFullScreen>, Check(&S::FullScreen)),
      Group(IDM_TRANSPARENCY_100, IDM_TRANSPARENCY_25, &M::SetTransparency, Radio(&S::AlphaBlendValue, kAlphaValues)),
      One(IDM_SLIDE_SHOW, &M::RunPlain<&M::ToggleSlideShow>, Check(&S::SlideShow)),
      One(IDM_REFRESH, &M::RunPlain<&M::RefreshCommand>),
      One(IDM_DUPLICATE_WINDOW, &M::RunPlain<&M::DuplicateWindow>, {}, ShowingList),
      One(IDM_LOCK, &M::ToggleSetting, Check(&S::Locked)),
      One(IDM_OPEN_FILES, &M::RunPlain<&M::OpenFilesCommand>),
      One(IDM_OPEN_FOLDER, &M::RunPlain<&M::OpenFolderCommand>),
      One(IDM_LOAD_EXISTS_FOLDER_FILES, &M::RunPlain<&M::LoadExistsFolderFilesCommand>),
      One(IDM_HISTORY, noCommand, {}, NoHistory),
      One(IDM_CLOSE_ARCHIVE, &M::RunPlain<&M::CloseArchiveCommand>, {}, NoArchiveOpen),
      Group(IDM_LINEUP_UPWARD, IDM_LINEUP_SAME_POSITION, &M::LineUpCommand),
      One(IDM_SHOW_FILE_LIST, &M::RunPlain<&M::ShowFileListCommand>),
      One(IDM_SAVE_FILELIST, &M::RunPlain<&M::SaveFilelistCommand>),
      Group(IDM_SORT_BY_NAME, IDM_SORT_REVERSE, &M::SortFileList),
      One(IDM_COPY_IMAGE_TO_CLIPBOARD, &M::RunPlain<&M::CopyImageToClipboardCommand>, {}, ShowingList),
      One(IDM_COPY_RGB_VALUE, &M::RunPlain<&M::CopyRgbText>),
      One(IDM_SHOW_FILE_INFORMATION, &M::RunPlain<&M::ShowFileInformationCommand>),
      One(IDM_FILE_COPY, &M::RunPlain<&M::CopyFilesCommand>),
      One(IDM_FILE_CUT, &M::RunPlain<&M::CutFilesCommand>),
      One(IDM_FILE_PASTE, &M::RunPlain<&M::PasteFiles>),
      One(IDM_FILE_RENAME, &M::RunPlain<&M::RenameFile>),
      One(IDM_COPY_FILE_PATH, &M::RunPlain<&M::CopyFilePath>),
      One(IDM_FILE_MOVE, &M::RunPlain<&M::MoveCommand>),
      One(IDM_MOVE_TO_RECYCLE, &M::RunPlain<&M::RecycleCommand>),
      One(IDM_OPEN_EXISTS_FOLDER, &M::RunPlain<&M::ShowInFileManager>),
      One(IDM_SAVE_JPEG_FILE, &M::RunPlain<&M::SaveJpegFullSizeCommand>, {}, ShowingList),
      One(IDM_SAVE_JPEG_FILE_SHOWING_SIZE, &M::RunPlain<&M::SaveJpegShowingSizeCommand>, {}, ShowingList),
      One(IDM_JPEG_SAVE_SETTING, &M::RunPlain<&M::JpegSettingCommand>),
      One(IDM_SAVE_PNG, &M::RunPlain<&M::SavePng>, {}, ShowingList),
      One(IDM_SEARCH_SUB_FOLDERS, &M::ToggleSetting, Check(&S::SearchSubFolder)),
      One(IDM_KEEP_PREVIOUS_FILES, &M::ToggleSetting, Check(&S::LoadLastFile)),
      One(IDM_ENABLE_FILE_MASK, &M::ToggleSetting, Check(&S::EnableFileMask)),
      One(IDM_FILE_MASK_SETTING, &M::RunPlain<&M::EditFileMask>),
      One(IDM_AUTO_LOAD_FILE_FOLDER, &M::ToggleSetting, Check(&S::AutoLoadFileFolder)),
      One(IDM_KEEP_PREVIOUS_POSITION, &M::ToggleSetting, Check(&S::KeepPreviousPosition)),
      Group(IDM_INTERVAL_1S, IDM_INTERVAL_24H, &M::SetSlideShowInterval, Radio(&S::SSInterval, kIntervalSeconds, 1000)),
      Group(IDM_WHEEL_DEFAULT, IDM_WHEEL_LOW, &M::ChooseSetting, Radio(&S::WheelSensitivity, kWheelSensitivities)),
      One(IDM_BACKGROUND_COLOR, &M::RunPlain<&M::ChooseBackgroundColor>),
      One(IDM_HIDE_TASK_BUTTON, &M::ToggleHideTaskButton, Check(&S::HideTaskButton)),
      Group(IDM_BORDER_WIDTH_0, IDM_BORDER_WIDTH_30, &M::SetBorderWidth, Radio(&S::FrameWidth, kBorderWidths)),
      One(IDM_BORDER_COLOR, &M::RunPlain<&M::ChooseBorderColor>),
      Group(IDM_FONT_SIZE_7, IDM_FONT_SIZE_21, &M::SetFontSize, Radio(&S::FontSize, kFontSizes)),
      Group(IDM_TRAY_ICON_GREEN, IDM_TRAY_ICON_BLACK, &M::SetTrayIconColor, Radio(&S::TrayIconColor)),
      Group(IDM_CURSOR_SIZE_NORMAL, IDM_CURSOR_SIZE_EXTRA_LARGE, &M::SetCursorSize, Radio(&S::UseCursorSize)),
      One(IDM_SET_PLUGIN_FOLDER, &M::RunPlain<&M::SetPluginFolderCommand>),
      One(IDM_OPEN_PLUGIN_DIALOG, &M::RunPlain<&M::OpenPluginDialogCommand>),
      One(IDM_INTERNAL_LOADER_EXTENSION, &M::RunPlain<&M::EditInternalLoaderMask>),
      One(IDM_CREATE_INSTANCE, &M::RunPlain<&M::CreateInstanceCommand>),
      One(IDM_DELETE_INSTANCE, &M::RunPlain<&M::DeleteInstanceCommand>, {}, DefaultInstance),
      One(IDM_UNINSTALL, &M::RunPlain<&M::UninstallCommand>),
      One(IDM_QUIT, &M::RunPlain<&M::QuitCommand>),
      One(IDM_MOVE_PARENT, noCommand),
      // Move-to items stop where the history begins.
      Generated(IDM_MOVE_TARGET_FIRST, IDM_HISTORY_FIRST - IDM_MOVE_TARGET_FIRST, &M::MoveToTargetCommand, MoveTargets),
      Generated(IDM_HISTORY_FIRST, kMostHistoryItems, &M::HistoryCommand, HistoryItems),
  };
  return kRows;
}

const CommandRow* FindCommandRow(int id, const CommandFacts& facts) {
  for (const CommandRow& row : CommandRows()) {
    if (id < row.first || id > row.last) continue;
    if (row.inUse && id - row.first >= row.inUse(facts)) return nullptr;
    return &row;
  }
  return nullptr;
}

int ItemValue(const MarkRule& mark, int index) {
  if (mark.values.empty()) return index;
  return index >= 0 && index < static_cast<int>(mark.values.size()) ? mark.values[static_cast<size_t>(index)] : -1;
}

std::vector<MenuItemState> MenuItemStates(const CommandFacts& facts) {
  std::vector<MenuItemState> states;
  for (const CommandRow& row : CommandRows()) {
    const MarkRule& mark = row.mark;
    if (row.inUse || (!mark.flag && !mark.field && !row.greyed)) continue;
    const bool greyed = row.greyed && row.greyed(facts);
    for (int id = row.first; id <= row.last; ++id) {
      MenuItemState state{id};
      if (mark.flag) {
        state.hasMark = true;
        state.marked = facts.settings.*mark.flag;
      } else if (mark.field) {
        state.hasMark = state.radio = true;
        state.marked = facts.settings.*mark.field / mark.unit == ItemValue(mark, CommandIndex(row, id));
      }
      state.hasGreyRule = row.greyed != nullptr;
      state.greyed = greyed;
      states.push_back(state);
    }
  }
  return states;
}

}  // namespace tv
