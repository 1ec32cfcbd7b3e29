// The move menu: destinations for the current file, and the moves its items
// make. After a move the menu opens again where it was, so several files
// can be sorted one after the other.
#include <windows.h>

#include "app/main_form.h"
#include "filelist/file_op_decisions.h"
#include "filelist/file_operations.h"
#include "filelist/folder_listing.h"
#include "filelist/move_menu_plan.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "menus/text_menu.h"
#include "util/file_system.h"
#include "util/paths.h"

namespace tv {
namespace {

bool IsFolder(const std::wstring& folder) { return !folder.empty() && IsExistingFolder(SystemFolderPath(folder)); }

}  // namespace

void MainForm::BuildMoveMenu() {
  const std::optional<WorkFile> file = FileToWorkOn();
  moveFile_ = file.value_or(WorkFile{});
  MoveMenuFacts facts;
  facts.folder = FolderOf(moveFile_.path);
  if (IsFolder(settings_.LastMovedFolder)) facts.lastMovedFolder = settings_.LastMovedFolder;
  for (const std::wstring& folder : settings_.MovedFolder)
    if (IsFolder(folder)) facts.movedFolders.push_back(folder);
  if (const std::wstring parent = ParentFolderOf(facts.folder); IsFolder(parent)) facts.parent = parent;
  if (IsFolder(facts.folder)) facts.subfolders = ListSubfolders(false, SystemFolderPath(facts.folder));
  facts.addFolderText = LocalizedString(IDS_ADD_FOLDER_LIST);
  facts.addFolderNoNameText = LocalizedString(IDS_ADD_FOLDER_LIST_NO_NAME);
  facts.createFolderText = LocalizedString(IDS_MOVE_TO_NEW_FOLDER);
  MoveMenuPlan plan = PlanMoveMenu(facts, IDM_MOVE_TARGET_FIRST, IDM_HISTORY_FIRST);
  moveMenu_ = MenuOfItems(plan.items);
  moveTargets_ = std::move(plan.targets);
}

void MainForm::ShowMoveMenu(Point at) {
  ++menusOpened_;
  if (menuOpen_) return;
  BuildMoveMenu();
  movePoint_ = at;
  idle_.ResetIdle();
  // Tests that drive the mouse run without a menu that would hold the thread.
  if (!options_.showMessageBoxes || !moveMenu_) return;
  menuOpen_ = 2;
  ::TrackPopupMenu(moveMenu_.get(), TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  menuOpen_ = 0;
}

void MainForm::MoveCommand() { ShowMoveMenu(CursorPos()); }

void MainForm::MoveToTargetCommand(const CommandRow&, int index) { MoveToTarget(index); }

void MainForm::MoveToTarget(int index) {
  DropPrepared();
  if (index < 0 || index >= static_cast<int>(moveTargets_.size())) return;
  // Copies: the menu and its targets are rebuilt when it opens again.
  const std::wstring target = moveTargets_[static_cast<size_t>(index)];
  const WorkFile file = moveFile_;
  if (!IsExistingFile(file.path)) return;
  const std::wstring folder = FolderOf(file.path);
  std::wstring destination;
  switch (KindOfTarget(target)) {
    case MoveTargetKind::AddToHistory: AddMovedFolder(folder); return;
    case MoveTargetKind::CreateFolder:
      if (const std::wstring made = CreateFolderForMove(file.path); IsFolder(made))
        MoveFileTo(file.path, JoinPath(made, FileNameOf(file.path)), made, false);
      ShowMoveMenu(movePoint_);
      return;
    case MoveTargetKind::Parent: destination = ParentFolderOf(folder); break;
    case MoveTargetKind::Folder: destination = target; break;
  }
  if (!IsFolder(destination)) return;
  const bool numbering = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const MoveDecision decision =
      DecideMove(file.path, destination, numbering, {IsExistingFile, &FileOperations::SameFile});
  if (decision.step == MoveStep::AskOverwrite) {
    if (!AskYesNo(LocalizedString(IDS_ASK_OVERWRITE_ON_MOVE), L"Confirmation")) return;
  }
  if (decision.step != MoveStep::OntoItself &&
      !MoveFileTo(file.path, decision.destination, destination, decision.step == MoveStep::AskOverwrite))
    return;
  ShowMoveMenu(movePoint_);
}

bool MainForm::MoveFileTo(const std::wstring& source, const std::wstring& destination, const std::wstring& folder,
                          bool replace) {
  // Replacing is one system call: a refused move leaves both files whole.
  const FileOpOutcome outcome = FileOperations(window_).Move(source, destination, replace);
  if (!outcome.ok) {
    ReportFailure(LocalizedString(IDS_MOVE_FAILED), outcome.error);
    return false;
  }
  settings_.LastMovedFolder = folder;
  FollowRenamedFile(moveFile_.fileIndex, source, destination);
  return true;
}

std::wstring MainForm::CreateFolderForMove(const std::wstring& file) {
  const std::optional<std::wstring> name =
      AskText(LocalizedString(IDS_CREATE_FOLDER_TITLE), LocalizedString(IDS_CREATE_FOLDER_PROMPT), L"");
  if (!name || name->empty()) return {};
  if (const int at = FindForbiddenChar(*name); at >= 0) {
    ReportForbiddenChar(*name, at, MessageIcon::Information);
    return {};
  }
  const std::wstring folder = JoinPath(FolderOf(file), *name);
  if (IsExistingFolder(folder)) {
    ShowMessage({IDS_FOLDER_EXISTS, L"This name folder already exists.", L"Failed", MessageIcon::Information});
    return {};
  }
  const FileOpOutcome outcome = FileOperations(window_).CreateFolder(folder);
  if (!outcome.ok) {
    ReportFailure(*name, outcome.error);
    return {};
  }
  return folder;
}

}  // namespace tv
