#pragma once
// How the list builder opens a saved file list (.tfl) without knowing its
// format: the settings subsystem, which owns that format, implements this.
#include <string>

#include "filelist/image_entry.h"

namespace tv {

struct ListFilePosition {
  // Index, within the entries the file added, of the entry to show.
  int entryIndex = 0;
  // Member position inside that entry when an archive was open; -1 otherwise.
  int memberIndex = -1;
  // The names recorded for the entry on display, used to find it again;
  // empty when the file did not give them.
  std::wstring showFileName;
  std::wstring showArchiveName;
};

class ListFileReader {
 public:
  virtual ~ListFileReader() = default;
  // Appends the file's entries to list. False, with list unchanged, when the
  // file cannot be read or is not a file list of a version this reads.
  virtual bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path) = 0;
};

}  // namespace tv
