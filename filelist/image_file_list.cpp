#include "filelist/image_file_list.h"

#include <algorithm>
#include <unordered_set>

#include "filelist/archive_member_filter.h"
#include "filelist/sort_order.h"

namespace tv {

ImageFileList::ImageFileList(FileListHost& host, const ListSettings& settings) : host_(host), settings_(settings) {}

const ImageList& ImageFileList::ActiveList() const {
  return InsideArchive() ? fileList_[static_cast<size_t>(showArchive_)].members : fileList_;
}

ImageList& ImageFileList::Active() {
  return InsideArchive() ? fileList_[static_cast<size_t>(showArchive_)].members : fileList_;
}

void ImageFileList::ResetSelection() {
  selected_.assign(ActiveList().size(), 0);
  listCursor_ = -1;
}

bool ImageFileList::SetShowIndex(int index) {
  if (index < -1 || index >= static_cast<int>(ActiveList().size())) return false;
  showIndex_ = index;
  return true;
}

ImageEntry* ImageFileList::MutableActiveEntry(int index) {
  if (index < 0 || index >= static_cast<int>(ActiveList().size())) return nullptr;
  return &Active()[static_cast<size_t>(index)];
}

ImageEntry* ImageFileList::MutableFileEntry(int index) {
  if (index < 0 || index >= static_cast<int>(fileList_.size())) return nullptr;
  return &fileList_[static_cast<size_t>(index)];
}

int ImageFileList::IndexOfPath(const ImageList& list, const std::wstring& path) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].path == path) return static_cast<int>(i);
  return -1;
}

bool ImageFileList::SetList(ImageList entries, int mode) {
  CloseArchive();
  if (mode == 0) {
    fileList_.clear();
    showIndex_ = -1;  // the picture is released below; the caller picks what to show
    host_.StopAnimationAndRelease();
    if (!entries.empty()) {
      firstPath_ = entries.front().path;
      fileList_ = std::move(entries);
    }
    ResetSelection();
  } else if (mode == 1) {
    if (fileList_.empty() && !entries.empty()) firstPath_ = entries.front().path;
    // A set instead of IndexOfPath per entry: appending to a list of 100,000
    // entries would otherwise compare every pair.
    std::unordered_set<std::wstring> present;
    present.reserve(fileList_.size() + entries.size());
    for (const auto& e : fileList_) present.insert(e.path);
    for (auto& e : entries)
      if (present.insert(e.path).second) fileList_.push_back(std::move(e));
    selected_.resize(fileList_.size(), 0);
  }
  return true;
}

bool ImageFileList::SortList(int mode) {
  ImageList& list = Active();
  if (list.empty()) return false;
  host_.PullSelection();
  // With nothing on display there is no path to follow; the position stays -1.
  const bool following = showIndex_ >= 0;
  const std::wstring shownPath = following ? list[static_cast<size_t>(showIndex_)].path : std::wstring();

  std::vector<size_t> positions;
  for (size_t i = 0; i < selected_.size(); ++i)
    if (selected_[i]) positions.push_back(i);
  if (positions.size() > 1) {
    ImageList work;
    work.reserve(positions.size());
    for (size_t p : positions) work.push_back(std::move(list[p]));
    OrderEntries(work, mode);
    for (size_t k = 0; k < positions.size(); ++k) list[positions[k]] = std::move(work[k]);
  } else {
    OrderEntries(list, mode);
  }

  showIndex_ = following ? IndexOfPath(list, shownPath) : -1;
  if (positions.size() <= 1) {
    std::fill(selected_.begin(), selected_.end(), 0);
    if (showIndex_ >= 0) selected_[static_cast<size_t>(showIndex_)] = 1;
    listCursor_ = showIndex_;
  }
  host_.RefillListView();
  return true;
}

bool ImageFileList::OpenArchive(int archiveIndex, int memberIndex, int direction, bool redraw) {
  // Archives are not nested: a member list cannot open another archive.
  if (InsideArchive() || archiveIndex < 0 || archiveIndex >= static_cast<int>(fileList_.size())) return false;
  host_.EnableCloseArchive(true);
  showArchive_ = archiveIndex;
  ImageEntry& archive = fileList_[static_cast<size_t>(archiveIndex)];
  if (archive.members.empty()) {
    ImageList listed;
    host_.ListArchiveMembers(archive, listed);
    DropUnlistableMembers(listed, settings_);
    for (auto& member : listed) member.members.clear();
    archive.members = std::move(listed);
  }
  ImageList& members = archive.members;
  ResetSelection();
  showIndex_ = -1;

  int m = memberIndex;
  if (!refind.fileName.empty()) {
    if (m < 0 || m >= static_cast<int>(members.size()) || members[static_cast<size_t>(m)].path != refind.fileName) {
      m = IndexOfPath(members, refind.fileName);
      if (m < 0) m = 0;
    }
    refind.fileName.clear();
  }

  if (!members.empty()) {
    const int count = static_cast<int>(members.size());
    if (m < 0) m = direction >= 0 ? 0 : count - 1;
    m = std::min(m, count - 1);  // a saved position may name a member that is gone
    showIndex_ = m;
    if (!redraw) {
      host_.RefillListView();
      return true;
    }
    int at = m;
    while (at >= 0 && at < static_cast<int>(members.size())) {
      showIndex_ = at;
      if (host_.LoadMember(archive, at)) {
        host_.RecordShownEntry();
        return true;
      }
      showIndex_ = -1;
      members.erase(members.begin() + at);
      selected_.erase(selected_.begin() + at);
      if (direction < 0) at += direction;
    }
  }
  host_.ResetArchiveState();
  CloseArchive();
  return false;
}

bool ImageFileList::CloseArchive() {
  if (!InsideArchive()) return true;
  host_.EnableCloseArchive(false);
  const int archive = showArchive_;
  if (fileList_[static_cast<size_t>(archive)].members.empty()) fileList_.erase(fileList_.begin() + archive);
  host_.StopAnimationAndRelease();
  showArchive_ = -1;
  ResetSelection();
  if (fileList_.empty()) {
    showIndex_ = -1;
    return true;
  }
  showIndex_ = std::clamp(archive, 0, static_cast<int>(fileList_.size()) - 1);
  selected_[static_cast<size_t>(showIndex_)] = 1;
  listCursor_ = showIndex_;
  host_.SelectListItem(showIndex_);
  return true;
}

void ImageFileList::EraseActiveEntry(int index) {
  ImageList& list = Active();
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  list.erase(list.begin() + index);
  selected_.erase(selected_.begin() + index);
  const int size = static_cast<int>(list.size());
  if (index < showIndex_) --showIndex_;
  else if (index == showIndex_ && showIndex_ >= size) showIndex_ = 0;  // past the end wraps, as stepping does
  if (size == 0) showIndex_ = -1;
  if (index < listCursor_) --listCursor_;
  listCursor_ = std::min(listCursor_, size - 1);
}

bool ImageFileList::RemoveEntry(int index) {
  if (index < 0 || index >= static_cast<int>(ActiveList().size())) return false;
  if (!host_.IsListViewShown()) {
    EraseActiveEntry(index);
    if (!ActiveList().empty()) {
      host_.ReshowCurrent();
    } else if (InsideArchive()) {
      CloseArchive();  // takes the archive's now empty entry out of FileList
      host_.ReshowCurrent();
    } else {
      host_.StopAnimationAndRelease();
      host_.ShowEmptyList();
    }
    return true;
  }

  host_.SetListRedraw(false);
  // The cursor is the list box's, so it is only current once pulled.
  host_.PullSelection();
  const int cursor = listCursor_;
  if (SelectedCount() > 0) {
    if (index == showIndex_) {
      showIndex_ = -1;
      host_.StopAnimationAndRelease();
    }
    EraseActiveEntry(index);
    host_.RemoveListItem(index);
    if (ActiveList().empty() && InsideArchive()) {
      CloseArchive();
      host_.RefillListView();
    } else if (index == cursor) {
      const int size = static_cast<int>(ActiveList().size());
      listCursor_ = cursor >= size ? size - 1 : cursor;
      if (listCursor_ >= 0) {
        selected_[static_cast<size_t>(listCursor_)] = 1;
        host_.SelectListItem(listCursor_);
      }
    }
  }
  host_.SetListRedraw(true);
  return true;
}

void ImageFileList::MoveSelectedEntries(int direction) {
  ImageList& list = Active();
  const int n = static_cast<int>(list.size());
  if (n == 0 || direction == 0) return;
  host_.PullSelection();
  host_.SetListRedraw(false);
  auto isSelected = [&](int i) { return selected_[static_cast<size_t>(i)] != 0; };
  // Where a position ends up after the block [first, last] is rotated by one.
  auto follow = [](int& position, int first, int last, int step) {
    if (position < first || position > last) return;
    if (step < 0) position = position == first ? last : position - 1;
    else position = position == last ? first : position + 1;
  };
  if (direction < 0) {
    for (int i = 0; i < n;) {
      if (!isSelected(i)) {
        ++i;
        continue;
      }
      const int a = i;
      while (i < n && isSelected(i)) ++i;
      const int b = i - 1;
      if (a == 0) continue;  // already at the top
      std::rotate(list.begin() + (a - 1), list.begin() + a, list.begin() + (b + 1));
      std::rotate(selected_.begin() + (a - 1), selected_.begin() + a, selected_.begin() + (b + 1));
      follow(showIndex_, a - 1, b, -1);
      follow(listCursor_, a - 1, b, -1);
    }
  } else {
    for (int i = n - 1; i >= 0;) {
      if (!isSelected(i)) {
        --i;
        continue;
      }
      const int b = i;
      while (i >= 0 && isSelected(i)) --i;
      const int a = i + 1;
      if (b == n - 1) continue;  // already at the bottom
      std::rotate(list.begin() + a, list.begin() + (b + 1), list.begin() + (b + 2));
      std::rotate(selected_.begin() + a, selected_.begin() + (b + 1), selected_.begin() + (b + 2));
      follow(showIndex_, a, b + 1, +1);
      follow(listCursor_, a, b + 1, +1);
    }
  }
  host_.RefillListView();
  host_.SetListRedraw(true);
}

bool ImageFileList::IsSelected(int index) const {
  return index >= 0 && index < static_cast<int>(selected_.size()) && selected_[static_cast<size_t>(index)] != 0;
}

void ImageFileList::SetSelected(int index, bool selected) {
  if (index >= 0 && index < static_cast<int>(selected_.size())) selected_[static_cast<size_t>(index)] = selected ? 1 : 0;
}

void ImageFileList::ClearSelection() { std::fill(selected_.begin(), selected_.end(), 0); }

int ImageFileList::SelectedCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), std::uint8_t{1}));
}

}  // namespace tv
