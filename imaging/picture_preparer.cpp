#include "imaging/picture_preparer.h"

#include <atomic>
#include <thread>
#include <utility>

namespace tv {

FileStamp StampOfFile(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  FileStamp stamp;
  stamp.found = true;
  stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.writeTime =
      (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  return stamp;
}

struct PicturePreparer::Job {
  PrepareKey key;
  ImageEntry entry;
  TargetSizer sizer;
  MemberChooser chooser;
  std::thread thread;
  std::atomic<bool> cancelled{false};
  // Written by the worker before it reports the end; read after it.
  FileStamp stamp;
  std::unique_ptr<LoadedImage> image;
  // The file was an archive and `entry` is the member chosen in it, with the
  // rotation the list entry had before the decode.
  bool chosenMember = false;
  int memberRotation = -1;
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  bool made = false;
};

bool PicturePreparer::Start(const PrepareKey& key, const ImageEntry& entry, TargetSizer sizer,
                            MemberChooser chooser) {
  Drop();
  auto job = std::make_shared<Job>();
  job->key = key;
  job->entry = entry;
  job->sizer = std::move(sizer);
  if (key.archivePath.empty()) job->chooser = std::move(chooser);
  try {
    // The thread holds the job too: one left to end alone still has it.
    job->thread = std::thread([job] { Run(job); });
  } catch (...) {
    return false;
  }
  job_ = std::move(job);
  ++started_;
  return true;
}

void PicturePreparer::Run(const std::shared_ptr<Job>& job) noexcept {
  // The window thread paints and answers the user first.
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
  bool made = false;
  try {
    made = Prepare(*job);
  } catch (...) {
    made = false;
  }
  if (!made) job->image.reset();
  {
    std::lock_guard lock(job->mutex);
    job->made = made;
    job->done = true;
  }
  job->ended.notify_all();
}

bool PicturePreparer::Prepare(Job& job) {
  const PrepareKey& key = job.key;
  auto image = std::make_unique<LoadedImage>();
  image->SetFillColor(key.fillColor);
  image->SetFixedRotation(key.fixedRotation);
  if (key.fixedRotation) image->SetRotation(key.rotation);
  image->SetInternalLoaderMask(key.internalLoaderMask);
  image->SetStillOnly(true);
  // Two pictures are held at once; the one on display has the first claim
  // on what memory is left.
  image->SetDecodeMemoryShare(4);
  image->SetExactScaledBitmap();

  const bool member = !key.archivePath.empty();
  // The stamp is taken before the bytes are read: a rewrite during the
  // decode then shows as a changed stamp at the step.
  job.stamp = StampOfFile(member ? key.archivePath : key.path);
  if (!job.stamp.found || job.cancelled) return false;
  ImageEntry entry = job.entry;
  if (member) {
    ImageEntry archive;
    archive.path = key.archivePath;
    if (!image->LoadFile(archive) || image->archiveKind() != ArchiveKind::StoredZip || job.cancelled) return false;
    if (!image->LoadArchiveMember(entry)) return false;
  } else {
    if (!image->LoadFile(entry)) return false;
    if ((image->ContentFlags() & kContentArchive) != 0 && !PrepareChosenMember(job, *image, entry)) return false;
  }
  if (!image->pictureLoaded() || job.cancelled) return false;
  int targetWidth = image->width(), targetHeight = image->height();
  if (job.sizer) job.sizer(image->width(), image->height(), image->rotation(), targetWidth, targetHeight);
  image->SetTargetSize(targetWidth, targetHeight);
  if (!image->Transform() || job.cancelled) return false;
  job.entry = std::move(entry);
  job.image = std::move(image);
  return true;
}

// The window opens the archive and lists its members itself; the member it
// will show first is made here, from the worker's own listing.
bool PicturePreparer::PrepareChosenMember(Job& job, LoadedImage& image, ImageEntry& entry) {
  ImageList members;
  if (!job.chooser || image.archiveKind() != ArchiveKind::StoredZip || !image.ListArchive(members) || job.cancelled)
    return false;
  const int chosen = job.chooser(members);
  if (chosen < 0 || chosen >= static_cast<int>(members.size())) return false;
  entry = members[static_cast<std::size_t>(chosen)];
  job.memberRotation = entry.rotation;
  job.chosenMember = true;
  return image.LoadArchiveMember(entry);
}

bool PicturePreparer::Answers(const PrepareKey& key) const {
  const PrepareKey& made = job_->key;
  if (made == key) return true;
  // A member of the archive the job was started on: all else must agree.
  if (!made.archivePath.empty() || key.archivePath != made.path) return false;
  PrepareKey asMember = made;
  asMember.path = key.path;
  asMember.archivePath = made.path;
  asMember.entryRotation = key.entryRotation;
  return asMember == key;
}

bool PicturePreparer::Finish(std::chrono::milliseconds limit) {
  Job& job = *job_;
  bool done;
  {
    std::unique_lock lock(job.mutex);
    done = job.ended.wait_for(lock, limit, [&job] { return job.done; });
  }
  if (done) {
    if (job.thread.joinable()) job.thread.join();
    return true;
  }
  job.cancelled = true;
  if (job.thread.joinable()) job.thread.detach();
  return false;
}

void PicturePreparer::Drop() {
  if (!job_) return;
  job_->cancelled = true;
  Finish(kWaitLimit);
  job_.reset();
}

std::optional<PreparedPicture> PicturePreparer::Take(const PrepareKey& key, std::chrono::milliseconds limit) {
  if (!job_) return std::nullopt;
  if (!Answers(key)) {
    Drop();
    return std::nullopt;
  }
  const bool ended = Finish(limit);
  const bool askedForMember = !key.archivePath.empty() && job_->key.archivePath.empty();
  // The archive itself is opened by the window; its chosen member waits for
  // the step that follows.
  if (ended && job_->made && job_->chosenMember && !askedForMember) return std::nullopt;
  std::shared_ptr<Job> job = std::move(job_);
  if (!ended || !job->made || !job->image) return std::nullopt;
  if (askedForMember &&
      (!job->chosenMember || job->entry.path != key.path || job->memberRotation != key.entryRotation))
    return std::nullopt;
  if (StampOfFile(job->key.archivePath.empty() ? job->key.path : job->key.archivePath) != job->stamp)
    return std::nullopt;
  return PreparedPicture{std::move(job->image), std::move(job->entry)};
}

PicturePreparer::State PicturePreparer::state() const {
  if (!job_) return State::Empty;
  std::lock_guard lock(job_->mutex);
  if (!job_->done) return State::Working;
  return job_->made ? State::Ready : State::Failed;
}

const PrepareKey* PicturePreparer::key() const { return job_ ? &job_->key : nullptr; }

}  // namespace tv
