#pragma once
// The one folder scan in progress: what to scan, what was found, and the
// worker thread that finds it. The progress form (or a caller without one)
// drives it: Prepare, Start, poll HasEnded/CurrentFile, Finish, TakeResult.
// Windows only.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>

#include "filelist/image_entry.h"
#include "util/win_handles.h"

namespace tv {

class FolderScanJob {
 public:
  FolderScanJob() = default;
  // Stops and waits for a worker still running, so nothing it uses dies first.
  ~FolderScanJob();
  FolderScanJob(const FolderScanJob&) = delete;
  FolderScanJob& operator=(const FolderScanJob&) = delete;

  // What the next Start scans. The mask is kept for the caller; the scan
  // itself collects every file.
  void Prepare(const std::wstring& startFolder, bool recurse, const std::wstring& mask);
  const std::wstring& StartFolder() const { return startFolder_; }
  bool Recurse() const { return recurse_; }
  const std::wstring& Mask() const { return mask_; }

  // Empties the result and both sets, clears the stop flag, creates the lock
  // and only then starts the worker. False when a worker is still held or the
  // thread cannot be created (the result then stays empty).
  bool Start();
  // True when no worker is held or the held one has ended.
  bool HasEnded() const;
  // Waits for the worker, closes its handle and then deletes the lock.
  void Finish();
  // Asks the worker to stop soon (the form's Esc); what it found is kept.
  void RequestStop() { stop_.store(true); }
  bool StopRequested() const { return stop_.load(); }
  // The progress text; empty while no lock exists.
  std::wstring CurrentFile() const;
  // Only after Finish: the entries found, in scan order.
  ImageList TakeResult();
  // The worker's handle while it is held (for waiting on it); null otherwise.
  HANDLE Worker() const { return worker_.get(); }
  // Esc is polled by the worker through the asynchronous key state; tests and
  // callers without a keyboard turn that off.
  void SetPollEscapeKey(bool poll) { pollEscape_ = poll; }
  // Called on the worker as each folder's listing begins, with that folder;
  // lets a caller watch the scan's progress or what it holds meanwhile.
  void SetListingStarted(std::function<void(const std::wstring&)> callback) { listingStarted_ = std::move(callback); }

 private:
  friend void ScanFolder(FolderScanJob& job, const std::wstring& folder, const std::wstring& knownIdentity);
  static DWORD WINAPI WorkerMain(void* job) noexcept;
  bool EscapePressed();
  // False when path was added before; listed: found by listing a folder
  // rather than through a shortcut.
  bool IsNewFile(const std::wstring& path, bool listed);
  // Appends to the result and now and then updates the progress text.
  void AddFile(ImageEntry entry);

  std::wstring startFolder_;
  bool recurse_ = true;
  std::wstring mask_ = L"*.*";
  // Folders by identity (see FolderIdentity), files by exact path text.
  std::unordered_set<std::wstring> visitedFolders_;
  std::unordered_set<std::wstring> knownFiles_;
  // Whether knownFiles_ holds every file so far (from the first shortcut on).
  bool trackingKnownFiles_ = false;
  ImageList result_;
  std::atomic<bool> stop_{true};
  bool pollEscape_ = true;
  std::function<void(const std::wstring&)> listingStarted_;
  ULONGLONG lastEscapePoll_ = 0;
  // Guards currentFile_; exists from before the worker starts until after it
  // has ended.
  std::unique_ptr<CriticalSection> lock_;
  std::wstring currentFile_;
  UniqueHandle worker_;
};

// Collects the files of folder (and, when the job recurses, of its
// subfolders and of folders reached through shortcuts) into the job's result.
// knownIdentity is the folder's identity when its parent's listing already
// told it (see SubfolderIdentity); empty makes the scan query it. Runs on the
// worker thread.
void ScanFolder(FolderScanJob& job, const std::wstring& folder, const std::wstring& knownIdentity = {});

}  // namespace tv
