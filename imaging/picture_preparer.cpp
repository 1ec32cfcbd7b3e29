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
  std::thread thread;
  std::atomic<bool> cancelled{false};
  // Written by the worker before it reports the end; read after it.
  FileStamp stamp;
  std::unique_ptr<LoadedImage> image;
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  bool made = false;
};

bool PicturePreparer::Start(const PrepareKey& key, const ImageEntry& entry, TargetSizer sizer) {
  Drop();
  auto job = std::make_shared<Job>();
  job->key = key;
  job->entry = entry;
  job->sizer = std::move(sizer);
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
    // An archive is opened by the window, which lists its members.
    if (!image->LoadFile(entry) || (image->ContentFlags() & kContentArchive) != 0) return false;
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
  if (!(job_->key == key)) {
    Drop();
    return std::nullopt;
  }
  const bool ended = Finish(limit);
  std::shared_ptr<Job> job = std::move(job_);
  if (!ended || !job->made || !job->image) return std::nullopt;
  const bool member = !key.archivePath.empty();
  if (StampOfFile(member ? key.archivePath : key.path) != job->stamp) return std::nullopt;
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
