#include "filelist/folder_scan_job.h"

#include <vector>

#include "filelist/file_entry.h"
#include "filelist/folder_enumeration.h"
#include "filelist/folder_identity.h"
#include "util/file_system.h"
#include "util/shell_link.h"

namespace tv {

FolderScanJob::~FolderScanJob() {
  if (worker_) {
    RequestStop();
    Finish();
  }
}

void FolderScanJob::Prepare(const std::wstring& startFolder, bool recurse, const std::wstring& mask) {
  startFolder_ = startFolder;
  recurse_ = recurse;
  mask_ = mask;
}

bool FolderScanJob::Start() {
  if (worker_) return false;
  result_.clear();
  visitedFolders_.clear();
  knownFiles_.clear();
  trackingKnownFiles_ = false;
  currentFile_ = startFolder_;
  stop_.store(false);
  // The worker writes the progress text under this lock from its first file
  // on, so the lock must be in place before the thread exists.
  lock_ = std::make_unique<CriticalSection>();
  DWORD id = 0;
  worker_.reset(::CreateThread(nullptr, 0, &FolderScanJob::WorkerMain, this, 0, &id));
  if (!worker_) {
    stop_.store(true);
    lock_.reset();
    return false;
  }
  return true;
}

DWORD WINAPI FolderScanJob::WorkerMain(void* param) noexcept {
  auto& job = *static_cast<FolderScanJob*>(param);
  try {
    ScanFolder(job, job.startFolder_);
  } catch (...) {
    // Out of memory: keep what was found, as a stopped scan does.
  }
  job.stop_.store(true);
  return 0;
}

bool FolderScanJob::HasEnded() const {
  return !worker_ || ::WaitForSingleObject(worker_.get(), 0) == WAIT_OBJECT_0;
}

void FolderScanJob::Finish() {
  if (worker_) ::WaitForSingleObject(worker_.get(), INFINITE);
  worker_.reset();
  lock_.reset();
}

std::wstring FolderScanJob::CurrentFile() const {
  if (!lock_) return {};
  CriticalSectionLock hold(*lock_);
  return currentFile_;
}

ImageList FolderScanJob::TakeResult() {
  if (worker_) return {};
  return std::move(result_);
}

bool FolderScanJob::EscapePressed() {
  if (!pollEscape_) return false;
  // Reading the key state costs a round trip to the window system; once
  // every 20 ms still answers a key press at once to the eye.
  const ULONGLONG now = ::GetTickCount64();
  if (now - lastEscapePoll_ < 20) return false;
  lastEscapePoll_ = now;
  if ((::GetAsyncKeyState(VK_ESCAPE) & 0x8000) == 0) return false;
  stop_.store(true);
  return true;
}

bool FolderScanJob::IsNewFile(const std::wstring& path, bool listed) {
  // Files listed straight from folders are unique by their text: each folder
  // is scanned once and a folder holds each name once. Only a shortcut can
  // name a file a second time, so the set is filled from the first shortcut
  // on, with everything found before it.
  if (listed && !trackingKnownFiles_) return true;
  if (!trackingKnownFiles_) {
    trackingKnownFiles_ = true;
    knownFiles_.reserve(result_.size() * 2);
    for (const auto& entry : result_) knownFiles_.insert(entry.path);
  }
  return knownFiles_.insert(path).second;
}

void FolderScanJob::AddFile(ImageEntry entry) {
  result_.push_back(std::move(entry));
  if (result_.size() % 10 == 0) {
    CriticalSectionLock hold(*lock_);
    currentFile_ = result_.back().path;
  }
}

namespace {

struct Subfolder {
  std::wstring path;
  // Empty when only opening the folder can tell it.
  std::wstring identity;
};

}  // namespace

void ScanFolder(FolderScanJob& job, const std::wstring& folder, const std::wstring& knownIdentity) {
  if (job.StopRequested()) return;
  std::vector<Subfolder> subfolders;
  {
    // Folders are told apart by what they are, not how they were reached: a
    // shortcut or junction back to an ancestor would otherwise recurse without
    // end. Asking a folder its identity costs a volume query, so a plain
    // subfolder takes it from its parent's listing instead; only the start
    // folder and folders reached through a shortcut or reparse point are asked.
    // Every loop passes through one of those, so even an identity the listing
    // got wrong could cost one extra round, never an endless one.
    FolderEnumeration items(folder);
    const std::wstring identity = knownIdentity.empty() ? items.Identity() : knownIdentity;
    if (!job.visitedFolders_.insert(identity).second) return;
    if (job.EscapePressed()) return;
    if (job.listingStarted_) job.listingStarted_(folder);

    while (items.Next()) {
      if (job.StopRequested() || job.EscapePressed()) break;
      if (!items.IsFolder()) {
        // The same test as ExtensionOf(path) == ".lnk", without building the text.
        if (items.Name().ends_with(L".lnk")) {
          std::wstring target = ResolveShortcut(ExtendedLengthPath(items.ItemPath()));
          if (IsExistingFolder(target)) {
            subfolders.push_back({std::move(target), {}});
          } else if (job.IsNewFile(target, false)) {
            job.AddFile(EntryForFile(target));
          }
          continue;
        }
        std::wstring path = items.ItemPath();
        if (job.IsNewFile(path, true))
          job.AddFile(EntryForFile(std::move(path), items.CreationFileTime(), items.SizeLow()));
      } else if (job.recurse_) {
        subfolders.push_back(
            {items.ItemPath(), items.IsReparsePoint() ? std::wstring() : SubfolderIdentity(identity, items.FileId())});
      }
    }
  }
  // The listing (a handle and its batch buffer) is closed before descending,
  // so a deep tree costs neither handles nor memory per level.

  if (!job.recurse_) return;
  for (const auto& subfolder : subfolders) {
    if (job.StopRequested() || job.EscapePressed()) return;
    ScanFolder(job, subfolder.path, subfolder.identity);
  }
}

}  // namespace tv
