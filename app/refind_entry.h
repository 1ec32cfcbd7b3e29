#pragma once
// Corrects a remembered position (ShowIndex, ShowArchive) by the names of the
// entry that was on display, after a restart or after a list was opened:
// lists change between runs, names are what the user recognises.
#include <functional>
#include <string>

#include "filelist/image_entry.h"

namespace tv {

struct RememberedPosition {
  int showIndex = -1;
  int showArchive = -1;
  // Names to find again; cleared once used.
  std::wstring pendingFileName;
  std::wstring pendingArchiveName;
};

// fileExists tells whether a path names an existing file. The list must not
// be empty.
void RefindRememberedEntry(const ImageList& list, RememberedPosition& position,
                           const std::function<bool(const std::wstring&)>& fileExists);

// Adds or subtracts the length until the index lies inside [0, length).
int WrapIndex(long long index, int length);

}  // namespace tv
