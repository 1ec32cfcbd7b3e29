#pragma once
// The two most-recent-first path lists of an instance: the open history and
// the moved-folder history. Both live in the settings record (and so in the
// ini file); these operations keep their order and capacity. Entries compare
// exactly: no case folding, no path normalisation.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "util/text_menu_item.h"

namespace tv {

class RecentPaths {
 public:
  // entries and capacity are the settings' own fields; capacity may change
  // between calls (it is read from the ini file).
  RecentPaths(std::vector<std::wstring>& entries, const int& capacity) : entries_(entries), capacity_(capacity) {}

  // Moves `path` to the front (adding it when new) and drops what no longer
  // fits.
  void Add(const std::wstring& path);
  // Adds the last `capacity` paths in order, so the last path ends up first.
  // False, with nothing changed, when the capacity is 0.
  bool AddAll(std::span<const std::wstring> paths);
  // Replaces the first entry equal to `oldPath`; its index, or none.
  std::optional<size_t> Rename(const std::wstring& oldPath, const std::wstring& newPath);

 private:
  std::vector<std::wstring>& entries_;
  const int& capacity_;
};

// One item of the History sub-menu.
using HistoryMenuItem = TextMenuItem;

// Entry i as IDM_HISTORY_FIRST + i with its last folder and file name, a
// separator, then the clear item with the id after the last entry. Empty
// when there is no entry.
std::vector<HistoryMenuItem> HistoryMenuItems(std::span<const std::wstring> history, int firstId,
                                              const std::wstring& clearText);

}  // namespace tv
