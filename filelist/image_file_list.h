#pragma once
// The list of entries the viewer browses, the archive member list that may
// stand in for it, the position on display and the list view's selection.
// Window-free: every display or loader action goes through FileListHost.
//
// Invariants after every public call:
//   - InsideArchive() == (ShowArchive() != -1), and then ShowArchive() indexes
//     FileList() and ActiveList() is that entry's members; otherwise
//     ActiveList() is FileList();
//   - ShowIndex() is -1 or inside ActiveList() (-1 when it is empty);
//   - there is one selection flag per entry of ActiveList().
// All calls belong to the window thread.
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/file_list_host.h"
#include "filelist/image_entry.h"
#include "filelist/list_settings.h"

namespace tv {

class ImageFileList {
 public:
  // Both must outlive the list.
  ImageFileList(FileListHost& host, const ListSettings& settings);

  const ImageList& FileList() const { return fileList_; }
  const ImageList& ActiveList() const;
  bool InsideArchive() const { return showArchive_ >= 0; }
  int ShowIndex() const { return showIndex_; }
  int ShowArchive() const { return showArchive_; }
  const std::wstring& FirstPath() const { return firstPath_; }

  // Sets the position on display; false (and no change) unless index is -1
  // or inside ActiveList().
  bool SetShowIndex(int index);
  // Records what the loader found out about the entry (rotation, ...).
  ImageEntry* MutableActiveEntry(int index);
  // An entry of FileList() (an archive while its members are browsed).
  ImageEntry* MutableFileEntry(int index);

  // The pending name that OpenArchive looks for among the members.
  RefindNames refind;

  // Index of the first entry with exactly this path, or -1.
  static int IndexOfPath(const ImageList& list, const std::wstring& path);

  // Mode 0 replaces FileList, mode 1 appends the paths not yet present.
  bool SetList(ImageList entries, int mode);
  // Orders the active list (or only its selected entries when more than one
  // is selected); false when the active list is empty.
  bool SortList(int mode);
  // Makes the members of FileList()[archiveIndex] the active list and a member
  // current (see the .cpp for the steps); false when none could be.
  bool OpenArchive(int archiveIndex, int memberIndex, int direction, bool redraw);
  bool CloseArchive();
  // Removes entry index of the active list and re-shows.
  bool RemoveEntry(int index);
  // Removes one entry without showing anything, keeping ShowIndex on the same
  // entry (or on the one that followed a removed shown entry).
  void EraseActiveEntry(int index);
  // Moves each run of selected entries one place up (-1) or down (+1).
  void MoveSelectedEntries(int direction);

  // Per-entry selection flags of the list view, and its current item.
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  void ClearSelection();
  int SelectedCount() const;
  int ListCursor() const { return listCursor_; }
  void SetListCursor(int index) { listCursor_ = index; }

 private:
  ImageList& Active();
  void ResetSelection();

  FileListHost& host_;
  const ListSettings& settings_;
  ImageList fileList_;
  int showIndex_ = -1;
  int showArchive_ = -1;
  std::wstring firstPath_;
  std::vector<std::uint8_t> selected_;
  int listCursor_ = -1;
};

}  // namespace tv
