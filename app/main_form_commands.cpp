// Keys and menu commands: thin glue from the tables to the subsystems.
#include <windows.h>

#include "app/main_form.h"
#include "imaging/information_text.h"
#include "imaging/program_version.h"
#include "menus/localized_string.h"
#include "menus/menu_item_state.h"
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
  TakeListCursor();
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
    case KeyActionKind::Step: StepEntries(action.value); break;
    case KeyActionKind::StepWithSiblings:
      StepEntries(action.value);
      StepAllWindows(action.value);
      break;
    case KeyActionKind::StepAllByWindowCount: StepAllByWindowCount(action.value); break;
    case KeyActionKind::ShowFirst: ShowEntry(0, -1, 1, true); break;
    case KeyActionKind::ShowLast:
      ShowEntry(static_cast<int>(list_.ActiveList().size()) - 1, -1, -1, true);
      break;
    case KeyActionKind::ShowList: SetListMode(1, 1); break;
    case KeyActionKind::ShowSelected: SetListMode(2, 1); break;
    case KeyActionKind::Close: ::PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case KeyActionKind::PathToClipboard: CopyFilePath(); break;
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
    case KeyActionKind::FileOperation: DeleteEntries(action.value); break;
    case KeyActionKind::PixelRgbToClipboard: CopyTextToClipboard(PixelRgbText()); break;
    case KeyActionKind::PassToListBox: break;  // answered before dispatch: the list box has it
  }
}

bool MainForm::RunCommand(int id) {
  const CommandRow* row = FindCommandRow(id, CommandFactsNow());
  if (!row || !row->handler) return false;
  (this->*(row->handler))(*row, CommandIndex(*row, id));
  SyncMenuStates();
  return true;
}

void MainForm::TakeListCursor() {
  // An empty list box has no cursor (-1): the entry current stays current.
  const int selection = listBox_.CurrentIndex();
  if (selection < 0 || selection >= static_cast<int>(list_.ActiveList().size())) return;
  list_.SetShowIndex(selection);
  if (!list_.InsideArchive()) pathOnDisplay_ = list_.ActiveList()[static_cast<size_t>(selection)].path;
}

CommandFacts MainForm::CommandFactsNow() const {
  return {settings_, identity_.named, archiveOpen_, static_cast<int>(moveTargets_.size())};
}

void MainForm::SyncMenuStates() {
  if (!popup_) return;
  for (const MenuItemState& item : MenuItemStates(CommandFactsNow())) {
    const UINT id = static_cast<UINT>(item.id);
    if (item.hasMark) SetItemChecked(popup_, id, item.marked, item.radio);
    if (item.hasGreyRule) SetItemGreyed(popup_, id, item.greyed);
  }
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

void MainForm::SortFileList(const CommandRow&, int index) { SortCommand(index); }

void MainForm::SortCommand(int mode) {
  DropPrepared();
  PullSelection();
  list_.SortList(mode);
  RefillListBox();
}

void MainForm::RefreshCommand() {
  DropPrepared();
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
  if (!chosen || files.empty()) return;
  AddPathsToHistory(files);
  OpenPaths(std::move(files), 0, CtrlHeld() ? 1 : 0);
}

void MainForm::OpenFolderCommand() {
  const std::wstring start = pathOnDisplay_.empty() ? std::wstring() : FolderOf(pathOnDisplay_);
  std::wstring folder;
  BeginModal();
  const bool chosen = PickFolderDialog(window_, start, LocalizedString(IDS_SELECT_FOLDER), folder);
  EndModal();
  if (!chosen || folder.empty()) return;
  AddPathsToHistory({folder});
  OpenPaths({folder}, 0, CtrlHeld() ? 1 : 0);
}

void MainForm::LoadExistsFolderFilesCommand() {
  if (list_.ActiveList().empty()) return;
  const std::wstring folder = FolderOf(pathOnDisplay_);
  if (!folder.empty()) OpenPaths({folder}, 0, 2);
}

void MainForm::ShowFileListCommand() {
  ::ShowWindow(window_, SW_SHOW);
  SetListMode(0, 1);
}

void MainForm::QuitCommand() { ::PostMessageW(window_, WM_CLOSE, 0, 0); }

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
    text = VersionText(OwnProgramVersion().value_or(ProgramVersion{}));
  }
  recordedMessages_.push_back(text);
  if (!options_.showMessageBoxes) return;
  BeginModal();
  ::MessageBoxW(window_, text.c_str(), L"Information", MB_ICONINFORMATION);
  EndModal();
}

}  // namespace tv
