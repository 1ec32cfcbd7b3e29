#pragma once
// Runs one folder scan at a time on the worker thread and hands its entries
// over once the worker has ended. Windows only.
#include <string>

#include "filelist/folder_scan_job.h"
#include "filelist/image_entry.h"

namespace tv {

// The window side of a scan: the modal bracket and the progress form. The
// main window implements it; without one the scan runs unseen.
class ScanProgressHost {
 public:
  virtual ~ScanProgressHost() = default;
  virtual void BeginModal() = 0;
  virtual void EndModal() = 0;
  // Shows the progress form for job until its worker has ended. The form
  // calls job.Start() when first shown, polls HasEnded() and CurrentFile(),
  // and calls job.Finish() before it closes. False when no form could be
  // shown and the job was not started: the scan then runs unseen.
  virtual bool RunProgressForm(FolderScanJob& job) = 0;
};

class FolderScanner {
 public:
  // host may be null; it must outlive the scanner otherwise.
  explicit FolderScanner(ScanProgressHost* host = nullptr) : host_(host) {}

  // Appends the files found under folder to out. False, with out unchanged,
  // when a scan is already running (a drop during the progress form, say).
  bool ScanWithProgress(const std::wstring& folder, ImageList& out, bool recurse, bool maskEnabled,
                        const std::wstring& mask);
  bool Busy() const { return busy_; }
  FolderScanJob& Job() { return job_; }

 private:
  ScanProgressHost* host_;
  FolderScanJob job_;
  bool busy_ = false;
};

}  // namespace tv
