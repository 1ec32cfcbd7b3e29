#include "filelist/folder_scanner.h"

namespace tv {

bool FolderScanner::ScanWithProgress(const std::wstring& folder, ImageList& out, bool recurse, bool maskEnabled,
                                     const std::wstring& mask) {
  if (busy_) return false;
  busy_ = true;
  if (host_) host_->BeginModal();
  job_.Prepare(folder, recurse, maskEnabled ? mask : std::wstring(L"*.*"));
  if (!host_ || !host_->RunProgressForm(job_)) job_.Start();
  // A form that closed under a running worker has asked it to stop, so this
  // wait is short; after a normal close it is a no-op.
  job_.Finish();
  ImageList found = job_.TakeResult();
  if (out.empty()) {
    out = std::move(found);  // the common case: one folder opened on its own
  } else {
    out.reserve(out.size() + found.size());
    for (auto& entry : found) out.push_back(std::move(entry));
  }
  if (host_) host_->EndModal();
  busy_ = false;
  return true;
}

}  // namespace tv
