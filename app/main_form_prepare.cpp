// The next picture decoded while the one on display is being looked at, and
// the step that lands on it.
#include <windows.h>

#include <memory>

#include "app/main_form.h"
#include "app/refind_entry.h"
#include "filelist/archive_member_filter.h"
#include "util/paths.h"
#include "util/wildcard.h"
#include "view/target_size_probe.h"

namespace tv {

std::optional<PrepareKey> MainForm::PrepareKeyFor(const ImageEntry& entry, bool member) const {
  PrepareKey key;
  key.path = entry.path;
  if (member) {
    // Plug-in archives hand out members through their plug-in only.
    if (image_.archiveKind() != ArchiveKind::StoredZip) return std::nullopt;
    key.archivePath = image_.archiveEntry().path;
  }
  // Where a plug-in may claim the picture before the internal loader, the
  // window thread decodes it: plug-ins are not called from other threads.
  if (!image_.Plugins().Plugins().empty() && !MatchesMask(entry.path, image_.InternalLoaderMask()))
    return std::nullopt;
  key.entryRotation = entry.rotation;
  key.fixedRotation = image_.fixedRotation();
  key.rotation = key.fixedRotation ? image_.rotation() : -1;
  key.fillColor = image_.fillColor();
  key.internalLoaderMask = image_.InternalLoaderMask();
  return key;
}

void MainForm::PrepareNextEntry(int direction) {
  preparer_.Drop();
  travelDirection_ = direction < 0 ? -1 : 1;
  if (!options_.preparePictures || closing_ || modalOpen_ || !visible_ || !window_ || ::IsIconic(window_) ||
      settings_.ShowingList)
    return;
  const int step = direction < 0 ? -1 : 1;
  const ImageList& active = list_.ActiveList();
  const int count = static_cast<int>(active.size());
  const int at = list_.ShowIndex();
  if (at < 0 || at >= count) return;
  const ImageEntry* entry = nullptr;
  bool member = list_.InsideArchive();
  if (member && (at + step < 0 || at + step >= count)) {
    // Past either end the step leaves the archive for the file beside it.
    const ImageList& files = list_.FileList();
    const int fileCount = static_cast<int>(files.size());
    if (fileCount < 2) return;
    entry = &files[static_cast<size_t>(WrapIndex(static_cast<long long>(list_.ShowArchive()) + step, fileCount))];
    member = false;
  } else {
    if (count < 2) return;
    entry = &active[static_cast<size_t>(WrapIndex(at + step, count))];
  }
  if (settings_.EnableFileMask && !MatchesMask(FileNameOf(entry->path), settings_.FileMaskString)) return;
  const std::optional<PrepareKey> key = PrepareKeyFor(*entry, member);
  if (!key) return;
  // The worker lays out its own copy of the view as it stands now.
  auto view = std::make_shared<const ViewGeometry>(view_);
  MemberChooser chooser;
  // An archive not opened before shows the first member its list keeps, or
  // the last one when it is entered backwards.
  if (!member && entry->members.empty())
    chooser = [settings = listSettings_, step](ImageList& members) {
      DropUnlistableMembers(members, settings);
      if (members.empty()) return -1;
      return step > 0 ? 0 : static_cast<int>(members.size()) - 1;
    };
  preparer_.Start(
      *key, *entry,
      [view](int width, int height, int rotation, int& targetWidth, int& targetHeight) {
        const PixelSize target = PredictTargetSize(*view, {width, height}, rotation);
        targetWidth = target.width;
        targetHeight = target.height;
      },
      std::move(chooser));
}

bool MainForm::LoadPreparedEntry(ImageEntry& entry) {
  if (!preparer_.key()) return false;
  const std::optional<PrepareKey> key = PrepareKeyFor(entry, list_.InsideArchive());
  if (!key) {
    preparer_.Drop();
    return false;
  }
  std::optional<PreparedPicture> prepared = preparer_.Take(*key, PicturePreparer::kWaitLimit);
  if (!prepared) return false;
  const bool member = !key->archivePath.empty();
  {
    CriticalSectionLock lock(pictureLock_);
    image_.Release(kContentPictures);
    image_.AdoptStillPicture(*prepared->image, member ? &prepared->entry : nullptr);
  }
  entry.rotation = prepared->entry.rotation;
  if (member) {
    entry.size = prepared->entry.size;
    entry.time = prepared->entry.time;
  }
  ++preparedShown_;
  return true;
}

void MainForm::DropPrepared() { preparer_.Drop(); }

LRESULT MainForm::OnPrepareAgain(WPARAM, LPARAM, bool&) {
  if (busyDepth_ == 0 && !modalOpen_ && !preparer_.key() && image_.pictureLoaded()) PrepareNextEntry(travelDirection_);
  return 0;
}

}  // namespace tv
