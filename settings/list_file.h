#pragma once
// File-list files (.tfl): a header with the position in the list, then the
// list lines of list_lines.h.
#include <string>

#include "filelist/image_entry.h"
#include "filelist/list_file_reader.h"
#include "settings/list_lines.h"
#include "settings/settings_host.h"

namespace tv {

// Where the window stood when the list was saved.
struct ShownPosition {
  int ShowIndex = -1;    // position in the active list
  int ShowArchive = -1;  // index of the open archive in the main list, -1 when none
  std::wstring ShowFileName;     // path on display, or the member name inside an archive
  std::wstring ShowArchiveName;  // archive path when one is open, else empty
};

// The whole text of a .tfl file; empty when the list is empty.
std::wstring BuildListFileText(const ImageList& list, const ShownPosition& position);

// Writes the list to path. An empty list writes nothing, shows nothing and
// returns false. Otherwise shows "Image File List Saved." when the file was
// written, or a "Failed" message with the reason, and returns the outcome.
bool SaveListFile(const std::wstring& path, const ImageList& list, const ShownPosition& position,
                  SettingsHost& host);

// Appends the entries of the file at path to list and gives the position to
// show: the entry index within the appended entries and the member position.
// The names to re-find are left as they were when the file does not give
// them. False, with list unchanged, when the file cannot be read or is not of
// version 2.
bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path,
                  const ListReadOptions& options);
// The same from key=value data already read.
bool ReadListFileData(ImageList& list, ListFilePosition& position, const KeyValueMap& map,
                      const ListReadOptions& options);

// The list builder's way into .tfl files. Reads the mask settings at each
// call, so it follows the user's later changes. Both references must outlive it.
class TflListFileReader final : public ListFileReader {
 public:
  TflListFileReader(const bool& maskEnabled, const std::wstring& mask, SettingsHost& host)
      : maskEnabled_(maskEnabled), mask_(mask), host_(host) {}
  bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path) override;

 private:
  const bool& maskEnabled_;
  const std::wstring& mask_;
  SettingsHost& host_;
};

}  // namespace tv
