#pragma once
// Walks the items directly inside one folder through a handle to the folder
// itself, in the order the file system delivers them, skipping "." and "..".
// The same handle names the folder's identity, so a scan needs no second
// open to recognise a folder met again. Works beyond 260 characters.
// Windows only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "util/win_handles.h"

namespace tv {

class FolderEnumeration {
 public:
  explicit FolderEnumeration(const std::wstring& folder);
  // False when the folder could not be opened for listing.
  bool Opened() const { return static_cast<bool>(folder_); }
  // The folder after following links: volume serial and file index, else
  // its final path, else "text:" + the folder as given (see FolderIdentity).
  // Costs a query of the volume, far more than listing a small folder.
  std::wstring Identity() const;

  // False when the folder could not be opened or holds no further item.
  bool Next();
  // Only after Next returned true.
  std::wstring_view Name() const;
  bool IsFolder() const { return (item_->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // A junction, symbolic link or mount point: it may lead anywhere, even
  // back up the tree.
  bool IsReparsePoint() const { return (item_->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
  // The item's file index on the folder's volume; 0 when the file system
  // keeps none.
  std::uint64_t FileId() const { return static_cast<std::uint64_t>(item_->FileId.QuadPart); }
  std::uint64_t CreationFileTime() const { return static_cast<std::uint64_t>(item_->CreationTime.QuadPart); }
  std::uint32_t SizeLow() const { return static_cast<std::uint32_t>(item_->EndOfFile.QuadPart); }
  // folder + "\" + name, without doubling a separator the folder ends with.
  std::wstring ItemPath() const;

 private:
  bool NextInBuffer();
  bool FetchBatch();

  std::wstring folderText_;
  std::wstring prefix_;
  UniqueFile folder_;
  // One batch of directory records; 8-byte units keep them aligned.
  std::unique_ptr<std::uint64_t[]> buffer_;
  const FILE_ID_BOTH_DIR_INFO* item_ = nullptr;
  bool exhausted_ = false;
};

// folder + "\" + name, without doubling a separator the folder ends with.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

}  // namespace tv
