// The path from a change of the current entry to the picture on screen.

#include <windows.h>

#include <algorithm>
#include <utility>

#include "app/main_form.h"

#include <mmsystem.h>
#include "app/refind_entry.h"
#include "filelist/file_entry.h"
#include "filelist/list_builder.h"
#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/wildcard.h"

namespace tv {
namespace {

int ActiveCount(const ImageFileList& list) { return static_cast<int>(list.ActiveList().size()); }

}  // namespace

int MainForm::ShowEntry(int index, int member, int direction, bool redraw) {
  if (busyDepth_ > 0) return 0;
  const int result = ShowEntryNow(index, member, direction, redraw);
  RunDeferredClose();
  return result;
}

int MainForm::ShowEntryNow(int index, int member, int direction, bool redraw) {
  ++busyDepth_;
  const int count = ActiveCount(list_);
  list_.SetShowIndex(count == 0 ? -1 : std::clamp(index, 0, count - 1));
  StopAnimationThread();
  slideTimer_.Kill();

  while (!list_.ActiveList().empty()) {
    const LoadResult result = LoadCurrentEntry(member, direction, redraw);
    if (result == LoadResult::Shown) {
      settings_.RotateValue = image_.rotation();
      SyncViewFromSettingsRotation();
      RestartSlideTimer();
      RecordNamesOfEntryOnDisplay();
      ResetPaintThreshold();
      PaintPicture(false);
      PrepareNextEntry(direction);
      --busyDepth_;
      if (redrawHold_ == 0) Redraw();
      return 0;
    }
    if (result == LoadResult::ArchiveOpened) {
      if (redraw && redrawHold_ == 0) Redraw();
      PrepareNextEntry(direction);
      RestartSlideTimer();
      --busyDepth_;
      return 1;
    }
    if (result == LoadResult::CannotShow) {
      // Undecodable, masked out, or an archive that cannot be opened: it
      // leaves the list (never the disk) and the next one in the direction
      // of travel is tried.
      const int at = list_.ShowIndex();
      list_.EraseActiveEntry(at);
      listBox_.RemoveItem(at);
      const int n = ActiveCount(list_);
      if (n == 0 && !list_.InsideArchive()) break;
      int next = direction >= 0 ? at : at - 1;
      if (next >= n || next < 0) {
        if (list_.InsideArchive()) {
          LeaveArchiveAndStep(direction, next);
          continue;
        }
        next = direction >= 0 ? 0 : n - 1;
      }
      list_.SetShowIndex(next);
      continue;
    }
    if (result == LoadResult::Nothing) break;
    // ArchiveFailed: the position has already moved on.
  }

  list_.SetShowIndex(-1);
  ClearDisplay();
  RestartSlideTimer();
  pathOnDisplay_.clear();
  settings_.ShowFileName.clear();
  settings_.ShowArchiveName.clear();
  --busyDepth_;
  return 2;
}

LoadResult MainForm::LoadCurrentEntry(int member, int direction, bool redraw) {
  const int count = ActiveCount(list_);
  if (count == 0) return LoadResult::Nothing;
  list_.SetShowIndex(std::clamp(list_.ShowIndex(), 0, count - 1));
  const int at = list_.ShowIndex();
  ImageEntry* entry = list_.MutableActiveEntry(at);
  if (!entry) return LoadResult::Nothing;
  if (settings_.EnableFileMask && !MatchesMask(FileNameOf(entry->path), settings_.FileMaskString))
    return LoadResult::CannotShow;

  progress_.Start(static_cast<std::int64_t>(::timeGetTime()));
  const bool inside = list_.InsideArchive();
  const bool prepared = LoadPreparedEntry(*entry);
  const bool decoded = prepared || (inside ? image_.LoadArchiveMember(*entry) : image_.LoadFile(*entry));
  progress_.Reset();
  if (!decoded) return LoadResult::CannotShow;

  if ((image_.ContentFlags() & kContentArchive) != 0 && !inside) {
    const size_t before = list_.FileList().size();
    if (list_.OpenArchive(at, member, direction, redraw)) return LoadResult::ArchiveOpened;
    if (list_.FileList().size() == before) return LoadResult::CannotShow;
    // The archive listed no members and has left the list already; the entry
    // that followed it now stands at its place.
    const int n = static_cast<int>(list_.FileList().size());
    if (n == 0) return LoadResult::Nothing;
    list_.SetShowIndex(WrapIndex(direction >= 0 ? at : at - 1, n));
    return LoadResult::ArchiveFailed;
  }
  if (!inside) {
    const ImageEntry facts = EntryForFile(entry->path);
    entry->time = facts.time;
    entry->size = facts.size;
  }
  ++redrawHold_;
  adoptingPrepared_ = prepared;
  view_.LayoutPicture();
  adoptingPrepared_ = false;
  --redrawHold_;
  firstDisplay_ = false;
  StartAnimationThread();
  return LoadResult::Shown;
}

void MainForm::SyncViewFromSettingsRotation() {
  ViewOptions options = view_.Options();
  options.RotateValue = settings_.RotateValue;
  view_.SetOptions(options);
  MenuMarksChanged();
}

void MainForm::LeaveArchiveAndStep(int direction, int index) {
  if (!list_.InsideArchive()) return;
  if (index >= 0 && index < ActiveCount(list_)) {
    list_.SetShowIndex(index);
    return;
  }
  const size_t before = list_.FileList().size();
  list_.CloseArchive();
  const int n = static_cast<int>(list_.FileList().size());
  if (n == 0) {
    list_.SetShowIndex(-1);
    return;
  }
  // An archive whose members all failed has left the list: its successor is
  // already one step forward.
  const int step = (list_.FileList().size() < before && direction > 0) ? direction - 1 : direction;
  list_.SetShowIndex(WrapIndex(static_cast<long long>(list_.ShowIndex()) + step, n));
}

bool MainForm::StepEntries(int count) {
  const int sign = count < 0 ? -1 : 1;
  if (!slideShowStep_ && settings_.AutoLoadFileFolder) {
    if (settings_.ShowingList) return true;
    if (list_.ActiveList().size() == 1 && !list_.InsideArchive()) {
      std::wstring folder = FolderOf(list_.FirstPath());
      if (!IsExistingFolder(folder)) folder = FolderOf(pathOnDisplay_);
      if (IsExistingFolder(folder)) {
        const bool subfolders = listSettings_.SearchSubFolder;
        listSettings_.SearchSubFolder = false;
        OpenPaths({folder}, sign, 2);
        listSettings_.SearchSubFolder = subfolders;
      }
      return true;
    }
  }
  const int n = ActiveCount(list_);
  if (settings_.ShowingList || n == 0) return true;
  long long index = static_cast<long long>(list_.ShowIndex()) + count;
  if (list_.InsideArchive() && (index < 0 || index >= n)) {
    LeaveArchiveAndStep(count, static_cast<int>(std::clamp<long long>(index, -1, n)));
    index = list_.ShowIndex();
  }
  const int length = ActiveCount(list_);
  if (length == 0) return true;
  const int result = ShowEntry(WrapIndex(index, length), -1, sign, true);
  if (result == 1 && redrawHold_ == 0) Redraw();
  return true;
}

void MainForm::SetListMode(int mode, int direction) {
  const bool wasShowing = settings_.ShowingList;
  const bool showing = mode == 0 ? !wasShowing : mode == 1;
  settings_.ShowingList = showing;
  view_.SetShowingList(showing);

  if (!showing) {
    if (wasShowing) ResumeAnimation();
    RestartSlideTimer();
    int result = 0;
    if (!positionRestore_) {
      const int selection = listBox_.CurrentIndex();
      if (selection >= 0 && selection < ActiveCount(list_)) result = ShowEntry(selection, -1, 1, mode == 3);
    } else {
      positionRestore_ = false;
      if (restoreArchive_ < 0 && restoreIndex_ >= 0 && restoreIndex_ < ActiveCount(list_))
        result = ShowEntry(restoreIndex_, -1, direction, mode == 3);
      else
        result = ShowEntry(restoreArchive_ >= 0 ? restoreArchive_ : restoreIndex_,
                           restoreArchive_ >= 0 ? restoreIndex_ : -1, direction, mode == 3);
    }
    if (result == 2 && redrawHold_ == 0) Redraw();
    if (result == 1 && mode != 3) {
      RefillListBox();
      settings_.ShowingList = true;
      view_.SetShowingList(true);
      PauseAnimation();  // the archive's members are listed over the picture
    }
  }

  if (settings_.ShowingList && !wasShowing) {
    PauseAnimation();
    RefillListBox();
    listBox_.Show(true);
    if (popup_) {
      const std::wstring text = LocalizedString(IDS_MENU_SHOW_IMAGE);
      ::ModifyMenuW(popup_, IDM_SHOW_FILE_LIST, MF_BYCOMMAND | MF_STRING, IDM_SHOW_FILE_LIST, text.c_str());
    }
    listBox_.Focus();
    const Rect& window = view_.WindowRect();
    if (window.Width() < 200 || window.Height() < 200) {
      PixelBox box = view_.PictureRect();
      const int width = std::max(200, box.width), height = std::max(200, box.height);
      box.left -= (width - box.width) / 2;
      box.top -= (height - box.height) / 2;
      box.width = width;
      box.height = height;
      view_.SetPictureRect(box);
      view_.ApplyWindowRect();
    }
  } else if (!settings_.ShowingList && wasShowing) {
    listBox_.SetCurrentIndex(list_.ShowIndex());
    listBox_.Show(false);
    if (popup_) {
      const std::wstring text = LocalizedString(IDS_MENU_SHOW_FILE_LIST);
      ::ModifyMenuW(popup_, IDM_SHOW_FILE_LIST, MF_BYCOMMAND | MF_STRING, IDM_SHOW_FILE_LIST, text.c_str());
    }
    if (window_) ::SetFocus(window_);
    RepaintNow();
  }
  SyncMenuStates();
  if (settings_.ShowingList) slideTimer_.Kill();
}

void MainForm::RefillListBox() {
  const ImageList& active = list_.ActiveList();
  std::vector<std::wstring> texts;
  texts.reserve(active.size());
  for (const ImageEntry& entry : active) texts.push_back(PathTail(entry.path, 1));
  const int show = list_.ShowIndex();
  std::vector<int> selected;
  list_.ClearSelection();
  if (show >= 0 && show < static_cast<int>(active.size())) {
    selected.push_back(show);
    list_.SetSelected(show, true);
  }
  listBox_.Refill(texts, selected, show);
}

bool MainForm::OpenPaths(std::vector<std::wstring> paths, int offset, int mode) {
  if (busyDepth_ > 0) return false;
  slideTimer_.Kill();
  const int sign = offset < 0 ? -1 : 1;
  DropPrepared();
  ImageList built;
  BuildListPosition position;
  std::wstring tflName = tflFileName_;
  BuildList(built, paths, sign, position, tflName, ListBuildContext{listSettings_, listFileReader_, scanner_});
  if (built.empty()) {
    // Nothing to open changes nothing, but the slide show keeps running.
    RestartSlideTimer();
    return true;
  }
  const std::wstring shownPath = pathOnDisplay_;
  if (mode == 1) {
    const int before = static_cast<int>(list_.FileList().size());
    list_.SetList(std::move(built), 1);
    if (position.member < 0) {
      restoreIndex_ = before + position.first + offset;
      restoreArchive_ = -1;
    } else {
      restoreIndex_ = position.member;
      restoreArchive_ = before + position.first + offset;
    }
    tflFileName_ = tflName;
  } else {
    list_.SetList(std::move(built), 0);
    if (mode == 2) {
      restoreArchive_ = -1;
      const int found = ImageFileList::IndexOfPath(list_.FileList(), shownPath);
      restoreIndex_ = (found < 0 ? 0 : found) + offset;
      position.refind = {};
    } else if (position.member < 0) {
      restoreArchive_ = -1;
      restoreIndex_ = position.first + offset;
      tflFileName_ = tflName;
    } else {
      restoreArchive_ = position.first;
      restoreIndex_ = position.member + offset;
      tflFileName_ = tflName;
    }
  }
  const int n = static_cast<int>(list_.FileList().size());
  if (n == 0) {
    RestartSlideTimer();
    return false;
  }
  if (restoreArchive_ >= 0) restoreArchive_ = WrapIndex(restoreArchive_, n);
  else restoreIndex_ = WrapIndex(restoreIndex_, n);
  pending_ = position.refind;
  if (!duplicateOf_.archiveName.empty()) {
    // The list is the archive alone; its members are read when it is shown.
    restoreArchive_ = 0;
    restoreIndex_ = 0;
    pending_ = std::exchange(duplicateOf_, {});
  }
  RefindAfterOpen();
  RefillListBox();
  if (settings_.ShowingList && mode == 1) {
    RestartSlideTimer();
    return true;
  }
  positionRestore_ = true;
  SetListMode(3, sign);
  return true;
}

void MainForm::RefindAfterOpen() {
  if (list_.FileList().empty()) return;
  RememberedPosition position{restoreIndex_, restoreArchive_, pending_.fileName, pending_.archiveName};
  RefindRememberedEntry(list_.FileList(), position, [](const std::wstring& path) { return IsExistingFile(path); });
  restoreIndex_ = position.showIndex;
  restoreArchive_ = position.showArchive;
  // A member name still to be found is looked for when the archive opens.
  list_.refind.fileName = restoreArchive_ >= 0 ? pending_.fileName : std::wstring();
  pending_ = {};
}

void MainForm::RecordNamesOfEntryOnDisplay() {
  const int at = list_.ShowIndex();
  if (at < 0 || at >= ActiveCount(list_)) return;
  const ImageEntry& entry = list_.ActiveList()[static_cast<size_t>(at)];
  if (list_.InsideArchive()) {
    const ImageEntry& archive = list_.FileList()[static_cast<size_t>(list_.ShowArchive())];
    pathOnDisplay_ = archive.path;
    settings_.ShowFileName = entry.path;
    settings_.ShowArchiveName = archive.path;
  } else {
    pathOnDisplay_ = entry.path;
    settings_.ShowFileName = entry.path;
    settings_.ShowArchiveName.clear();
  }
}

void MainForm::ClearDisplay() {
  DropPrepared();
  StopAnimationAndRelease();
  if (redrawHold_ == 0) Redraw();
}

void MainForm::RestartSlideTimer() {
  slideTimer_.SetPeriod(static_cast<UINT>(std::max(1000, settings_.SSInterval)));
  slideTimer_.RunIf(settings_.SlideShow && !settings_.ShowingList && !modalOpen_);
}

void MainForm::OnSlideTimer() {
  slideShowStep_ = true;
  StepEntries(1);
  slideShowStep_ = false;
  if (::timeGetTime() - lastSaveTime_ > static_cast<DWORD>(std::max(0, settings_.SSSaveIniInterval)))
    SaveSettingsNow();
}

void MainForm::OnIdleTimer() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const IdleTickResult tick = idle_.Tick({cursor.x, cursor.y}, slideShowStep_);
  if (tick.hideCursor) {
    SetCursorShape(settings_.ShowingList && !settings_.Locked ? CursorShape::Arrow : CursorShape::Blank);
    if (!settings_.Locked) mouse_.HideCursorZone();
  }
  if (tick.redrawForMark && redrawHold_ == 0) Redraw();
}

}  // namespace tv
