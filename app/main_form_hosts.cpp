// What the list model and the view geometry ask of the window.
#include <windows.h>
#include <algorithm>

#include "app/main_form.h"
#include "util/paths.h"
#include "util/window_util.h"
#include "view/monitor_win.h"

namespace tv {

// ---------------------------------------------------------------- FileListHost

void MainForm::StopAnimationAndRelease() {
  // The archive goes too: its flag would otherwise make the next plain
  // picture look like an archive.
  StopAnimationThread();
  CriticalSectionLock lock(pictureLock_);
  image_.Release(kContentPictures | kContentArchive | kContentMember);
}

bool MainForm::ListArchiveMembers(const ImageEntry& archive, ImageList& members) {
  members.clear();
  if (image_.archiveKind() == ArchiveKind::None || image_.archiveEntry().path != archive.path) {
    ImageEntry entry = archive;
    if (!image_.LoadFile(entry) || (image_.ContentFlags() & kContentArchive) == 0) return false;
  }
  return image_.ListArchive(members);
}

bool MainForm::LoadMember(const ImageEntry&, int memberIndex) {
  ImageEntry* member = list_.MutableActiveEntry(memberIndex);
  if (!member) return false;
  ++redrawHold_;
  const bool prepared = LoadPreparedEntry(*member);
  const bool loaded = prepared || image_.LoadArchiveMember(*member);
  adoptingPrepared_ = prepared;
  if (loaded) view_.LayoutPicture();
  adoptingPrepared_ = false;
  --redrawHold_;
  if (loaded) firstDisplay_ = false;
  if (loaded) StartAnimationThread();
  return loaded;
}

void MainForm::RecordShownEntry() { RecordNamesOfEntryOnDisplay(); }

void MainForm::ResetArchiveState() { image_.Release(kContentArchive | kContentMember); }

void MainForm::ReshowCurrent() { ShowEntry(list_.ShowIndex(), -1, 0, true); }

void MainForm::ShowEmptyList() {
  ClearDisplay();
  if (!settings_.ShowingList) SetListMode(1, 1);
}

void MainForm::EnableCloseArchive(bool enabled) {
  archiveOpen_ = enabled;
  SyncMenuStates();
}

bool MainForm::IsListViewShown() const { return settings_.ShowingList; }

void MainForm::PullSelection() {
  const int count = static_cast<int>(list_.ActiveList().size());
  for (int i = 0; i < count; ++i) list_.SetSelected(i, listBox_.IsSelected(i));
  list_.SetListCursor(listBox_.CurrentIndex());
}

void MainForm::RefillListView() { RefillListBox(); }

void MainForm::SelectListItem(int index) {
  listBox_.SelectAll(false);
  listBox_.SetSelected(index, true);
  listBox_.SetCurrentIndex(index);
}

void MainForm::RemoveListItem(int index) { listBox_.RemoveItem(index); }

void MainForm::SetListRedraw(bool enabled) { listBox_.SetRedraw(enabled); }

// ---------------------------------------------------------------- ViewHost

bool MainForm::PictureLoaded() const { return image_.pictureLoaded(); }

PixelSize MainForm::NaturalSize() const { return {image_.width(), image_.height()}; }

std::int32_t MainForm::Rotation() const { return image_.pictureLoaded() ? image_.rotation() : -1; }

void MainForm::SetRotation(std::int32_t rotation) {
  CriticalSectionLock lock(pictureLock_);
  image_.SetRotation(rotation);
}

// The size asked for, not the output: a quarter-turned output has its sides
// swapped, and comparing that with the unrotated picture made every window
// move scale and turn the picture again.
PixelSize MainForm::TargetSize() const { return {image_.targetWidth(), image_.targetHeight()}; }

void MainForm::SetTargetSize(PixelSize target) {
  if (adoptingPrepared_ && target == TargetSize()) return;
  CriticalSectionLock lock(pictureLock_);
  image_.SetTargetSize(target.width, target.height);
}

bool MainForm::TransformNeeded() const { return image_.transformNeeded(); }

bool MainForm::Transform() {
  if (adoptingPrepared_ && !image_.transformNeeded()) return true;
  // The animation thread paints from the scaled bitmap.
  CriticalSectionLock lock(pictureLock_);
  return image_.Transform();
}

void MainForm::MoveWindow(const Rect& window) {
  if (!window_) return;
  PlaceWindow(window_, listBox_.Handle(), window);
  PaintPicture(false);
}

bool MainForm::PaintInProgress() const { return redrawHold_ > 0; }

void MainForm::RepaintNow() {
  if (redrawHold_ != 0 || !window_) return;
  PaintPicture(true);
  ::InvalidateRect(window_, nullptr, FALSE);
}

void MainForm::BringToFront(bool topmost) {
  if (window_) tv::BringToFront(window_, topmost);
}

void MainForm::ResetPaintThreshold() {
  CriticalSectionLock lock(pictureLock_);
  fastStretchArea_ = 1e308;
}

std::int32_t MainForm::DragMode() const { return mouse_.dragMode(); }

DragRecord& MainForm::Drag() { return mouse_.drag(); }

Point MainForm::CursorPos() const {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

void MainForm::EndDrag() { mouse_.EndDrag(CursorPos()); }

ImageEntry* MainForm::CurrentEntry() {
  if (list_.ShowIndex() < 0) return nullptr;
  return list_.MutableActiveEntry(list_.ShowIndex());
}

void MainForm::MenuMarksChanged() {
  SyncSettingsFromView();
  SyncMenuStates();
}

}  // namespace tv
