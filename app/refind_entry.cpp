#include "app/refind_entry.h"

#include <algorithm>

namespace tv {

int WrapIndex(long long index, int length) {
  if (length <= 0) return -1;
  index %= length;
  if (index < 0) index += length;
  return static_cast<int>(index);
}

namespace {

int FirstIndexOf(const ImageList& list, const std::wstring& path) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].path == path) return static_cast<int>(i);
  return -1;
}

int Size(const ImageList& list) { return static_cast<int>(list.size()); }

void FallBackToMainList(const ImageList& list, RememberedPosition& p) {
  p.showIndex = WrapIndex(p.showArchive, Size(list));
  p.showArchive = -1;
}

void RefindInArchive(const ImageList& list, RememberedPosition& p,
                     const std::function<bool(const std::wstring&)>& fileExists) {
  if (p.pendingArchiveName.empty()) {
    p.showArchive = std::min(p.showArchive, Size(list) - 1);
    const ImageList& members = list[static_cast<size_t>(p.showArchive)].members;
    if (members.empty()) FallBackToMainList(list, p);
    else p.showIndex = WrapIndex(p.showIndex, Size(members));
    return;
  }
  if (fileExists(p.pendingArchiveName)) {
    if (p.showArchive >= Size(list) || list[static_cast<size_t>(p.showArchive)].path != p.pendingArchiveName) {
      const int found = FirstIndexOf(list, p.pendingArchiveName);
      if (found >= 0) p.showArchive = found;
    }
    if (p.showArchive < Size(list)) {
      const ImageList& members = list[static_cast<size_t>(p.showArchive)].members;
      if (members.empty()) {
        // The archive has not been listed yet: its members are read when it
        // is shown, and the member position is kept for that.
        return;
      }
      const bool sameMember = p.pendingFileName.empty() ||
                              (p.showIndex < Size(members) && members[static_cast<size_t>(p.showIndex)].path == p.pendingFileName);
      if (!sameMember) {
        const int found = FirstIndexOf(members, p.pendingFileName);
        if (found >= 0) p.showIndex = found;
      }
      p.showIndex = WrapIndex(p.showIndex, Size(members));
      return;
    }
  }
  FallBackToMainList(list, p);
}

}  // namespace

void RefindRememberedEntry(const ImageList& list, RememberedPosition& p,
                           const std::function<bool(const std::wstring&)>& fileExists) {
  if (list.empty()) return;
  if (p.showIndex < 0) p.showIndex = 0;
  if (p.showArchive >= 0) {
    RefindInArchive(list, p, fileExists);
  } else if (p.pendingFileName.empty()) {
    p.showIndex = WrapIndex(p.showIndex, Size(list));
  } else if (fileExists(p.pendingFileName) && p.showIndex < Size(list)) {
    if (list[static_cast<size_t>(p.showIndex)].path != p.pendingFileName) {
      const int found = FirstIndexOf(list, p.pendingFileName);
      if (found >= 0) p.showIndex = found;
    }
  } else {
    p.showIndex = WrapIndex(p.showIndex, Size(list));
  }
  p.pendingFileName.clear();
  p.pendingArchiveName.clear();
}

}  // namespace tv
