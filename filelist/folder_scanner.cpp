#include "filelist/folder_scanner.h"

namespace tv {

bool FolderScanner::ScanWithProgress(const std::wstring& folder, ImageList& out, bool recurse, bool maskEnabled,
                                     const std::wstring& mask) {
  if (busy_) return false;
  busy_ = true;
  if (host_) host_->BeginModal();
  job_.Prepare(folder, recurse, maskEnabled ? mask : std::wstring(L"*.*"));
  if (host_) {
    host_->RunProgressForm(job_);
  } else {
    job_.Start();
  }
  job_.Finish();  // a no-op when the form has finished the job already
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
