#pragma once
// What the list model needs from the window around it: the display cycle,
// the loader and the list-box view. The main window implements this; the
// model never touches a window itself.
#include "filelist/image_entry.h"

namespace tv {

class FileListHost {
 public:
  virtual ~FileListHost() = default;

  // Stops the animation thread and releases the loaded picture and any open
  // archive of the loader.
  virtual void StopAnimationAndRelease() = 0;
  // Lists the archive's members into members (empty on entry). False, with
  // members left empty, when the archive cannot be listed.
  virtual bool ListArchiveMembers(const ImageEntry& archive, ImageList& members) = 0;
  // Loads and shows member memberIndex of archive; true when it is on display.
  virtual bool LoadMember(const ImageEntry& archive, int memberIndex) = 0;
  // Remembers the names of the entry now on display.
  virtual void RecordShownEntry() = 0;
  // Forgets the loader's open archive.
  virtual void ResetArchiveState() = 0;
  // Shows the entry at the model's ShowIndex again (a step of 0).
  virtual void ReshowCurrent() = 0;
  // Shows the file-list view with nothing on display.
  virtual void ShowEmptyList() = 0;
  // Enables or greys the "Close Archive" menu item.
  virtual void EnableCloseArchive(bool enabled) = 0;

  // The list-box view that mirrors the active list.
  virtual bool IsListViewShown() const = 0;
  // Copies the list box's selection into the model's flags (SetSelected).
  virtual void PullSelection() = 0;
  // Rebuilds the list box from the model's active list and flags.
  virtual void RefillListView() = 0;
  virtual void SelectListItem(int index) = 0;
  // Removes one item from the list box (the model has removed its entry).
  virtual void RemoveListItem(int index) = 0;
  virtual void SetListRedraw(bool enabled) = 0;
};

}  // namespace tv
