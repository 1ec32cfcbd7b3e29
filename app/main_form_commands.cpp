// Keys and menu commands: thin glue from the tables to the subsystems.
#include <windows.h>
#include <algorithm>
#include <array>
#include <iterator>

#include "app/main_form.h"
#include "app/settings_sync.h"
#include "imaging/information_text.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "util/clipboard.h"
#include "util/file_dialogs.h"
#include "util/file_system.h"
#include "util/paths.h"

namespace tv {
namespace {

unsigned ModifiersNow() {
  unsigned mask = 0;
  if (::GetKeyState(VK_SHIFT) & 0x8000) mask |= kShift;
  if (::GetKeyState(VK_CONTROL) & 0x8000) mask |= kCtrl;
  if (::GetKeyState(VK_MENU) & 0x8000) mask |= kAlt;
  return mask;
}

constexpr std::array<int, 15> kIntervalSeconds = {1, 2, 5, 10, 30, 60, 300, 900, 1800, 3600,
                                                  7200, 10800, 21600, 43200, 86400};
constexpr std::array<int, 7> kBorderWidths = {0, 1, 5, 10, 15, 20, 30};
constexpr std::array<int, 4> kAlphaValues = {255, 192, 128, 64};

}  // namespace

bool MainForm::HandleImageKey(unsigned virtualKey) {
  if (settings_.Locked) return true;
  if (settings_.ShowingList) return HandleListKey(virtualKey);
  const KeyAction* action = FindKeyAction(KeyView::Image, virtualKey, ModifiersNow());
  if (!action) return false;
  RunKeyAction(*action);
  return true;
}

bool MainForm::HandleListKey(unsigned virtualKey) {
  const int selection = listBox_.CurrentIndex();
  if (selection >= 0 && selection < static_cast<int>(list_.ActiveList().size()) && !list_.InsideArchive()) {
    list_.SetShowIndex(selection);
    pathOnDisplay_ = list_.ActiveList()[static_cast<size_t>(selection)].path;
  } else if (selection >= 0 && selection < static_cast<int>(list_.ActiveList().size())) {
    list_.SetShowIndex(selection);
  }
  if (settings_.Locked) return true;
  const KeyAction* action = FindKeyAction(KeyView::FileList, virtualKey, ModifiersNow());
  if (!action) return true;  // every other key is swallowed
  if (action->kind == KeyActionKind::PassToListBox) return false;
  RunKeyAction(*action);
  return true;
}

void MainForm::RunKeyAction(const KeyAction& action) {
  switch (action.kind) {
    case KeyActionKind::Command: RunCommand(action.value); break;
    case KeyActionKind::Step:
    // Sibling windows come with the multiple-windows work; here they step alone.
    case KeyActionKind::StepWithSiblings: StepEntries(action.value); break;
    case KeyActionKind::StepAllByWindowCount: StepEntries(action.value); break;
    case KeyActionKind::ShowFirst: ShowEntry(0, -1, 1, true); break;
    case KeyActionKind::ShowLast:
      ShowEntry(static_cast<int>(list_.ActiveList().size()) - 1, -1, -1, true);
      break;
    case KeyActionKind::ShowList: SetListMode(1, 1); break;
    case KeyActionKind::ShowSelected: SetListMode(2, 1); break;
    case KeyActionKind::Close: ::PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case KeyActionKind::PathToClipboard:
      if (!pathOnDisplay_.empty()) CopyTextToClipboard(pathOnDisplay_);
      break;
    case KeyActionKind::Zoom: ZoomBy(action.value > 0 ? 1.5 : 1 / 1.5); break;
    case KeyActionKind::Turn: TurnBy(action.value); break;
    case KeyActionKind::SortByName: SortCommand(0); break;
    case KeyActionKind::SelectAll:
      listBox_.SelectAll(true);
      break;
    case KeyActionKind::SelectNone:
      listBox_.SelectAll(false);
      break;
    case KeyActionKind::InvertSelection: {
      listBox_.SetRedraw(false);
      const int count = listBox_.Count();
      for (int i = 0; i < count; ++i) listBox_.SetSelected(i, !listBox_.IsSelected(i));
      listBox_.SetRedraw(true);
      break;
    }
    case KeyActionKind::MoveSelection:
      PullSelection();
      list_.MoveSelectedEntries(action.value);
      RefillListBox();
      break;
    case KeyActionKind::FileOperation:
    case KeyActionKind::PixelRgbToClipboard:
    case KeyActionKind::PassToListBox:
      CommandNotYetAvailable(0);
      break;
  }
}

bool MainForm::RunCommand(int id) {
  switch (id) {
    case IDM_SHOW_PIXEL_BY_PIXEL: view_.ShowPixelByPixel(); return true;
    case IDM_SHOW_IN_SCREEN: view_.ShowInScreen(); return true;
    case IDM_MOVE_TO_CENTER: view_.MoveToCenter(); return true;
    case IDM_FIX_SIZE_RATIO: view_.ToggleFixSizeRatio(); return true;
    case IDM_FIX_DIAGONAL_LENGTH: view_.ToggleFixDiagonalLength(true); return true;
    case IDM_FIT_TO_SCREEN: view_.ToggleFitToScreen(); return true;
    case IDM_USE_WHOLE_SCREEN: view_.ToggleUseWholeScreen(); return true;
    case IDM_FULL_SCREEN: view_.ToggleFullScreen(); return true;
    case IDM_SLIDE_SHOW: ToggleSlideShow(); return true;
    case IDM_REFRESH: RefreshCommand(); return true;
    case IDM_OPEN_FILES: OpenFilesCommand(); return true;
    case IDM_OPEN_FOLDER: OpenFolderCommand(); return true;
    case IDM_LOAD_EXISTS_FOLDER_FILES: LoadExistsFolderFilesCommand(); return true;
    case IDM_CLOSE_ARCHIVE: CloseArchiveCommand(); return true;
    case IDM_QUIT: ::PostMessageW(window_, WM_CLOSE, 0, 0); return true;
    case IDM_SHOW_FILE_LIST:
      ::ShowWindow(window_, SW_SHOW);
      SetListMode(0, 1);
      return true;
    case IDM_SHOW_FILE_INFORMATION: ShowFileInformationCommand(); return true;
    case IDM_TURN_RIGHT: TurnBy(-1); return true;
    case IDM_TURN_LEFT: TurnBy(1); return true;
    case IDM_SET_PLUGIN_FOLDER: SetPluginFolderCommand(); return true;
    case IDM_OPEN_PLUGIN_DIALOG: OpenPluginDialogCommand(); return true;
    default: break;
  }
  if (RunToggleCommand(id) || RunGroupCommand(id)) return true;
  // Move-to folders and history entries exist only as far as their lists
  // reach; an id beyond them is not ours.
  const int movedFolders = static_cast<int>(settings_.MovedFolder.size());
  const bool moveTarget = id >= IDM_MOVE_TARGET_FIRST && id <= IDM_MOVE_TARGET_FIRST + movedFolders;
  const bool historyItem = id >= IDM_HISTORY_FIRST && id <= IDM_HISTORY_FIRST + settings_.MaxHistoryNum;
  if ((id >= 32775 && id <= 32919) || (id >= 33000 && id <= 33132) || moveTarget || historyItem) {
    CommandNotYetAvailable(id);
    return true;
  }
  return false;
}

bool MainForm::RunToggleCommand(int id) {
  struct Toggle {
    int id;
    bool Settings::*flag;
  };
  static constexpr Toggle kToggles[] = {
      {IDM_LOCK, &Settings::Locked},
      {IDM_ALWAYS_ON_TOP, &Settings::AlwaysTop},
      {IDM_KEEP_PREVIOUS_FILES, &Settings::LoadLastFile},
      {IDM_SEARCH_SUB_FOLDERS, &Settings::SearchSubFolder},
      {IDM_ENABLE_FILE_MASK, &Settings::EnableFileMask},
      {IDM_AUTO_LOAD_FILE_FOLDER, &Settings::AutoLoadFileFolder},
      {IDM_KEEP_PREVIOUS_POSITION, &Settings::KeepPreviousPosition},
  };
  const auto toggle = std::find_if(std::begin(kToggles), std::end(kToggles),
                                   [id](const Toggle& t) { return t.id == id; });
  if (toggle == std::end(kToggles)) return false;
  bool& flag = settings_.*(toggle->flag);
  if (initialized_) flag = !flag;
  if (popup_) ::CheckMenuItem(popup_, static_cast<UINT>(id), MF_BYCOMMAND | (flag ? MF_CHECKED : MF_UNCHECKED));
  listSettings_ = ListSettingsFrom(settings_);
  if (id == IDM_ALWAYS_ON_TOP) {
    view_.SetAlwaysTop(flag);
    ::SetWindowPos(window_, flag ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return true;
}

bool MainForm::RunGroupCommand(int id) {
  if (const int mode = PositionModeForCommand(id); mode >= 0) {
    view_.SetPositionMode(mode);
    return true;
  }
  if (id >= IDM_ROTATE_NONE && id <= IDM_ROTATE_LEFT) {
    if (!initialized_) return true;
    CriticalSectionLock lock(pictureLock_);
    view_.SelectRotation(id - IDM_ROTATE_NONE);
    return true;
  }
  if (id >= IDM_SORT_BY_NAME && id <= IDM_SORT_REVERSE) {
    SortCommand(id - IDM_SORT_BY_NAME);
    return true;
  }
  if (id >= IDM_BORDER_WIDTH_0 && id < IDM_BORDER_WIDTH_0 + static_cast<int>(kBorderWidths.size())) {
    settings_.FrameWidth = kBorderWidths[static_cast<size_t>(id - IDM_BORDER_WIDTH_0)];
    view_.SetFrameWidth(settings_.FrameWidth);
    return true;
  }
  if (id >= IDM_TRANSPARENCY_100 && id <= IDM_TRANSPARENCY_25) {
    if (initialized_) settings_.AlphaBlendValue = kAlphaValues[static_cast<size_t>(id - IDM_TRANSPARENCY_100)];
    ApplyAlpha();
    return true;
  }
  if (id >= IDM_INTERVAL_1S && id < IDM_INTERVAL_1S + static_cast<int>(kIntervalSeconds.size())) {
    settings_.SSInterval = kIntervalSeconds[static_cast<size_t>(id - IDM_INTERVAL_1S)] * 1000;
    RestartSlideTimer();
    return true;
  }
  return false;
}

void MainForm::ToggleSlideShow() {
  if (initialized_) settings_.SlideShow = !settings_.SlideShow;
  if (popup_)
    ::CheckMenuItem(popup_, IDM_SLIDE_SHOW, MF_BYCOMMAND | (settings_.SlideShow ? MF_CHECKED : MF_UNCHECKED));
  RestartSlideTimer();
  idle_.MarkShown();
  RepaintNow();
}

void MainForm::ZoomBy(double factor) {
  CriticalSectionLock lock(pictureLock_);
  view_.ZoomTo(view_.Options().SizeRatio * factor);
}

void MainForm::TurnBy(int quarters) {
  CriticalSectionLock lock(pictureLock_);
  view_.RotateBy(quarters);
  settings_.RotateValue = view_.Options().RotateValue;
}

void MainForm::SortCommand(int mode) {
  PullSelection();
  list_.SortList(mode);
  RefillListBox();
}

void MainForm::RefreshCommand() {
  if (list_.ShowIndex() < 0) return;
  if (!list_.InsideArchive()) {
    ShowEntry(list_.ShowIndex(), -1, 0, true);
    return;
  }
  const int archive = list_.ShowArchive();
  const int member = list_.ShowIndex();
  list_.refind.fileName = settings_.ShowFileName;
  list_.CloseArchive();
  if (ImageEntry* entry = list_.MutableActiveEntry(archive)) entry->members.clear();
  ShowEntry(archive, member, 0, true);
}

void MainForm::OpenFilesCommand() {
  const std::wstring folder = pathOnDisplay_.empty() ? std::wstring() : FolderOf(pathOnDisplay_);
  std::vector<std::wstring> files;
  BeginModal();
  const bool chosen = OpenFilesDialog(window_, LocalizedString(IDS_FILTER_ALL_FILES),
                                      LocalizedString(IDS_OPEN_IMAGE_TITLE), folder, true, files);
  EndModal();
  if (chosen && !files.empty()) OpenPaths(std::move(files), 0, CtrlHeld() ? 1 : 0);
}

void MainForm::OpenFolderCommand() {
  const std::wstring start = pathOnDisplay_.empty() ? std::wstring() : FolderOf(pathOnDisplay_);
  std::wstring folder;
  BeginModal();
  const bool chosen = PickFolderDialog(window_, start, LocalizedString(IDS_SELECT_FOLDER), folder);
  EndModal();
  if (chosen && !folder.empty()) OpenPaths({folder}, 0, CtrlHeld() ? 1 : 0);
}

void MainForm::LoadExistsFolderFilesCommand() {
  if (list_.ActiveList().empty()) return;
  const std::wstring folder = FolderOf(pathOnDisplay_);
  if (!folder.empty()) OpenPaths({folder}, 0, 2);
}

void MainForm::CloseArchiveCommand() {
  if (!list_.InsideArchive()) return;
  LeaveArchiveAndStep(settings_.ShowingList ? 0 : 1, static_cast<int>(list_.ActiveList().size()));
  if (settings_.ShowingList) RefillListBox();
  else ShowEntry(list_.ShowIndex(), -1, 1, true);
}

void MainForm::ShowFileInformationCommand() {
  InformationFacts facts;
  std::wstring text;
  if (image_.pictureLoaded() && list_.ShowIndex() >= 0) {
    const ImageEntry& entry = list_.ActiveList()[static_cast<size_t>(list_.ShowIndex())];
    facts.shownPath = entry.path;
    if (list_.InsideArchive()) {
      const ImageEntry& archive = list_.FileList()[static_cast<size_t>(list_.ShowArchive())];
      facts.archivePath = archive.path;
      facts.archiveSize = archive.size;
    }
    facts.time = entry.time;
    facts.fileSize = entry.size;
    facts.width = image_.width();
    facts.height = image_.height();
    facts.rotation = image_.rotation();
    facts.displayWidth = view_.PictureRect().width;
    facts.displayHeight = view_.PictureRect().height;
    facts.exif = image_.exif();
    facts.loaderName = image_.loaderName();
    facts.animationKind = image_.animationKind();
    facts.frameCount = image_.frameCount();
    facts.loopCount = image_.loopCount();
    text = InformationText(facts);
  } else {
    text = VersionText(ProgramVersion{0, 1, 0, 0});
  }
  recordedMessages_.push_back(text);
  if (!options_.showMessageBoxes) return;
  BeginModal();
  ::MessageBoxW(window_, text.c_str(), L"Information", MB_ICONINFORMATION);
  EndModal();
}

// The one place for commands whose handlers arrive with later work (menus,
// mouse, forms, file operations, plug-ins, instances, export): they do
// nothing yet, but are known, so they never fall through to the system.
void MainForm::CommandNotYetAvailable(int) {}

}  // namespace tv
