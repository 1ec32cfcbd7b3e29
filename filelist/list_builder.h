#pragma once
// Turns the paths the user opened (files, folders, shortcuts, saved file
// lists) into new list entries. Windows only (through its callees).
#include <string>
#include <vector>

#include "filelist/folder_scanner.h"
#include "filelist/image_entry.h"
#include "filelist/list_file_reader.h"
#include "filelist/list_settings.h"

namespace tv {

// Where to start in the entries BuildList produced.
struct BuildListPosition {
  // Index of the entry to show first; with a negative direction it is the
  // length of the list, and the caller's step of -1 lands on the last entry.
  int first = 0;
  // Member position a saved list remembered; -1 otherwise.
  int member = -1;
  // Names the display cycle re-finds once the list is in place.
  RefindNames refind;
};

// What BuildList works with; all must outlive the call.
struct ListBuildContext {
  const ListSettings& settings;
  ListFileReader& listFileReader;
  FolderScanner& scanner;
};

// Appends to out, for each path in order: the target of a ".lnk" (the path
// itself is replaced by it), the scanned contents of a folder, the entries of
// a ".tfl" file, or the file itself (when it exists and passes the enabled
// mask). Paths that are none of these are skipped. tflFileName becomes the
// last saved list read successfully.
void BuildList(ImageList& out, std::vector<std::wstring>& paths, int direction, BuildListPosition& position,
               std::wstring& tflFileName, const ListBuildContext& context);

}  // namespace tv
