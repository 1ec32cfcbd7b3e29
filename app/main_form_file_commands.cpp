// The file commands: clipboard copy and paste, rename, recycle and Explorer.
// The user's files come first: every system call is checked, and the list,
// the history and the names on display change only after it succeeded.
#include <windows.h>

#include "app/main_form.h"
#include "filelist/file_op_decisions.h"
#include "filelist/file_operations.h"
#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "util/clipboard.h"
#include "util/file_system.h"
#include "util/paths.h"

namespace tv {
namespace {

// Redrawing of the list box comes back however the command ends.
class ListRedrawPause {
 public:
  explicit ListRedrawPause(ListBoxControl& listBox) : listBox_(listBox) { listBox_.SetRedraw(false); }
  ListRedrawPause(const ListRedrawPause&) = delete;
  ListRedrawPause& operator=(const ListRedrawPause&) = delete;
  ~ListRedrawPause() { listBox_.SetRedraw(true); }

 private:
  ListBoxControl& listBox_;
};

bool Exists(const std::wstring& path) { return IsExistingFile(path) || IsExistingFolder(path); }

}  // namespace

std::optional<MainForm::WorkFile> MainForm::FileToWorkOn() {
  if (list_.InsideArchive()) {
    const int archive = list_.ShowArchive();
    return WorkFile{list_.FileList()[static_cast<size_t>(archive)].path, archive};
  }
  if (settings_.ShowingList) TakeListCursor();
  const int at = list_.ShowIndex();
  if (at < 0 || at >= static_cast<int>(list_.FileList().size())) return std::nullopt;
  return WorkFile{list_.FileList()[static_cast<size_t>(at)].path, at};
}

void MainForm::CopyFilesCommand() { CopyFiles(false); }

void MainForm::CutFilesCommand() { CopyFiles(true); }

void MainForm::CopyFiles(bool cut) {
  // Only the clipboard changes: the file manager the user pastes into does
  // the copying or moving.
  if (list_.FileList().empty() || pathOnDisplay_.empty()) return;
  if (list_.InsideArchive())
    ShowMessage({cut ? IDS_ARCHIVE_CUT : IDS_ARCHIVE_COPIED, L"Whole archive file was copy to clipboard.",
                 L"Information", MessageIcon::Information});
  PutFilesOnClipboard({pathOnDisplay_}, cut ? DropEffect::Move : DropEffect::Copy);
}

void MainForm::PasteFiles() {
  std::vector<std::wstring> paths = ReadClipboardFiles(nullptr);
  if (paths.empty()) return;
  AddPathsToHistory(paths);
  OpenPaths(std::move(paths), 0, 1);
}

void MainForm::CopyFilePath() {
  if (!pathOnDisplay_.empty()) CopyTextToClipboard(pathOnDisplay_);
}

void MainForm::RenameFile() {
  const std::optional<WorkFile> file = FileToWorkOn();
  if (!file) return;
  const std::optional<std::wstring> name =
      AskText(LocalizedString(IDS_RENAME_TITLE), LocalizedString(IDS_RENAME_PROMPT), StemOf(file->path));
  if (!name) return;
  const RenamePlan plan = PlanRename(file->path, *name);
  if (plan.forbiddenAt >= 0) {
    ReportForbiddenChar(*name, plan.forbiddenAt, MessageIcon::Warning);
    return;
  }
  if (plan.newPath.empty()) return;
  if (IsExistingFile(plan.newPath)) {
    ShowMessage({IDS_RENAME_NAME_EXISTS, L"A File has same name is already exists.", L"Information",
                 MessageIcon::Information});
    return;
  }
  const FileOpOutcome outcome = FileOperations(window_).Move(file->path, plan.newPath, false);
  if (!outcome.ok) {
    ReportFailure(FileNameOf(file->path), outcome.error);
    return;
  }
  FollowRenamedFile(file->fileIndex, file->path, plan.newPath);
  ShowMessage({IDS_RENAMED, L"Renamed.", L"Information", MessageIcon::Information});
}

void MainForm::FollowRenamedFile(int fileIndex, const std::wstring& oldPath, const std::wstring& newPath) {
  DropPrepared();
  RenameInHistory(oldPath, newPath);
  // A modal question may have let the list change since the index was taken.
  const ImageEntry* known = list_.MutableFileEntry(fileIndex);
  const int at = known && known->path == oldPath ? fileIndex : ImageFileList::IndexOfPath(list_.FileList(), oldPath);
  ImageEntry* entry = list_.MutableFileEntry(at);
  if (!entry) return;
  entry->path = newPath;
  if (list_.InsideArchive()) {
    if (at == list_.ShowArchive()) {
      CriticalSectionLock lock(pictureLock_);
      image_.SetArchivePath(newPath);
    }
  } else {
    listBox_.SetItemText(at, PathTail(newPath, 1));
  }
  RecordNamesOfEntryOnDisplay();
}

void MainForm::RecycleCommand() { DeleteEntries(1); }

void MainForm::DeleteEntries(int op) {
  DropPrepared();
  const ListRedrawPause pause(listBox_);
  const bool listShown = settings_.ShowingList;
  PullSelection();
  const ImageList& active = list_.ActiveList();
  const int count = static_cast<int>(active.size());
  const int cursor = listBox_.CurrentIndex();
  const int shown = list_.ShowIndex();
  if (listShown ? (cursor < 0 || cursor >= count) : (shown < 0 || shown >= count)) return;

  if (op == 1 || (op == 2 && listShown)) {
    if (list_.InsideArchive()) {
      ShowMessage({IDS_CANNOT_DELETE_IN_ARCHIVE, L"Can't delete file in archive.", L"Failed", MessageIcon::Warning});
      return;
    }
    // Taken before any question: what the user agrees to is what goes.
    std::vector<TakenEntry> taken;
    if (listShown) {
      for (int i = 0; i < count; ++i)
        if (list_.IsSelected(i)) taken.push_back({i, active[static_cast<size_t>(i)].path});
    } else {
      taken.push_back({shown, active[static_cast<size_t>(shown)].path});
    }
    if (taken.empty()) return;
    std::vector<std::wstring> paths;
    for (const TakenEntry& entry : taken) paths.push_back(entry.path);
    if (op == 1 && !AskYesNo(RecycleQuestion(paths, LocalizedString(IDS_RECYCLE_QUESTION_HEAD),
                                             LocalizedString(IDS_RECYCLE_QUESTION_TAIL)),
                             L"Ask"))
      return;
    BeginModal();  // the shell may ask before deleting what it cannot recycle
    const bool reported = FileOperations(window_).Recycle(paths);
    EndModal();
    // Only the entries whose files really went leave the list.
    const std::vector<TakenEntry> gone = EntriesGone(taken, Exists);
    for (const TakenEntry& entry : gone) {
      const ImageList& now = list_.ActiveList();
      const bool inPlace = entry.index < static_cast<int>(now.size()) &&
                           now[static_cast<size_t>(entry.index)].path == entry.path;
      const int at = inPlace ? entry.index : ImageFileList::IndexOfPath(now, entry.path);
      if (at >= 0) list_.RemoveEntry(at);
    }
    if (!reported || gone.size() != taken.size())
      ShowMessage({IDS_DELETE_FAILED, L"Delete failed.", L"Failed", MessageIcon::Warning});
    return;
  }

  if (!listShown) {
    list_.RemoveEntry(shown);
  } else if (list_.SelectedCount() < 2) {
    list_.RemoveEntry(cursor);
  } else {
    for (int i = count - 1; i >= 0; --i)
      if (list_.IsSelected(i)) list_.RemoveEntry(i);
  }
}

void MainForm::ShowInFileManager() {
  if (!list_.FileList().empty() && !pathOnDisplay_.empty()) FileOperations(nullptr).ShowInExplorer(pathOnDisplay_);
}

bool MainForm::AskYesNo(const std::wstring& text, const wchar_t* caption) {
  recordedMessages_.push_back(text);
  if (!options_.showMessageBoxes) return true;
  BeginModal();
  const int answer = ::MessageBoxW(window_, text.c_str(), caption, MB_YESNO | MB_ICONQUESTION);
  EndModal();
  return answer == IDYES;
}

void MainForm::ReportForbiddenChar(const std::wstring& name, int at, MessageIcon icon) {
  ShowMessage({0,
               name + LocalizedString(IDS_FORBIDDEN_CHAR_HEAD) + name[static_cast<size_t>(at)] +
                   LocalizedString(IDS_FORBIDDEN_CHAR_TAIL),
               L"Failed", icon});
}

void MainForm::ReportFailure(const std::wstring& what, unsigned long error) {
  ShowMessage({0, what + L"\n" + FileOperations::ErrorText(error), L"Failed", MessageIcon::Warning});
}

}  // namespace tv
