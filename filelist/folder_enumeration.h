#pragma once
// Walks the items directly inside one folder through a handle to the folder
// itself, in the order the file system delivers them, skipping "." and "..".
// The same handle names the folder's identity, so a scan needs no second
// open to recognise a folder met again. Works beyond 260 characters. File
// systems that refuse the by-handle directory query (SMB1 shares, some NAS
// and virtual-machine shares) are listed by name instead. Windows only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "util/paths.h"
#include "util/win_handles.h"

namespace tv {

// How the items are fetched. Automatic takes the by-handle query and falls
// back to the by-name listing where the file system refuses it; the other two
// force one way (tests compare them).
enum class ListingMethod { Automatic, ByHandle, ByName };

class FolderEnumeration {
 public:
  explicit FolderEnumeration(const std::wstring& folder, ListingMethod method = ListingMethod::Automatic);
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
  bool IsFolder() const { return (item_.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // A junction, symbolic link or mount point: it may lead anywhere, even
  // back up the tree.
  bool IsReparsePoint() const { return (item_.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
  // The item's file index on the folder's volume; 0 when the file system
  // keeps none or the listing by name was used (it reports none).
  std::uint64_t FileId() const { return item_.fileId; }
  std::uint64_t CreationFileTime() const { return item_.creationFileTime; }
  std::uint32_t SizeLow() const { return item_.sizeLow; }
  // Whether the listing by name is in use (forced, or the query was refused).
  bool ListsByName() const { return method_ == ListingMethod::ByName; }
  // folder + "\" + name, without doubling a separator the folder ends with.
  std::wstring ItemPath() const;

 private:
  // What the current item's record said, whichever listing gave it.
  struct Item {
    std::wstring_view name;
    DWORD attributes = 0;
    std::uint64_t fileId = 0;
    std::uint64_t creationFileTime = 0;
    std::uint32_t sizeLow = 0;
  };

  bool NextRecord();
  bool NextInBuffer();
  bool FetchBatch();
  bool NextByName();

  std::wstring folderText_;
  std::wstring prefix_;
  ListingMethod method_;
  UniqueFile folder_;
  // One batch of directory records; 8-byte units keep them aligned.
  std::unique_ptr<std::uint64_t[]> buffer_;
  const FILE_ID_BOTH_DIR_INFO* record_ = nullptr;
  // The listing by name, once started.
  UniqueFind find_;
  WIN32_FIND_DATAW found_{};
  Item item_;
  bool started_ = false;
  bool exhausted_ = false;
};

}  // namespace tv
