#include "settings/recent_paths.h"

#include <algorithm>

#include "util/paths.h"

namespace tv {

void RecentPaths::Add(const std::wstring& path) {
  const std::wstring kept = path;  // `path` may be one of the entries
  if (auto found = std::find(entries_.begin(), entries_.end(), kept); found != entries_.end()) entries_.erase(found);
  entries_.insert(entries_.begin(), kept);
  const size_t capacity = static_cast<size_t>(std::max(capacity_, 0));
  if (entries_.size() > capacity) entries_.resize(capacity);
}

bool RecentPaths::AddAll(std::span<const std::wstring> paths) {
  if (capacity_ <= 0) return false;
  const size_t capacity = static_cast<size_t>(capacity_);
  // Copied first: the paths may be entries that the adding reorders.
  const std::vector<std::wstring> counted(paths.size() > capacity ? paths.end() - static_cast<long>(capacity)
                                                                  : paths.begin(),
                                          paths.end());
  for (const std::wstring& path : counted) Add(path);
  return true;
}

std::optional<size_t> RecentPaths::Rename(const std::wstring& oldPath, const std::wstring& newPath) {
  const auto found = std::find(entries_.begin(), entries_.end(), oldPath);
  if (found == entries_.end()) return std::nullopt;
  *found = newPath;
  return static_cast<size_t>(found - entries_.begin());
}

std::vector<HistoryMenuItem> HistoryMenuItems(std::span<const std::wstring> history, int firstId,
                                              const std::wstring& clearText) {
  std::vector<HistoryMenuItem> items;
  if (history.empty()) return items;
  int id = firstId;
  for (const std::wstring& path : history) items.push_back({id++, PathTail(path, 1)});
  items.push_back({});
  items.push_back({id, clearText});
  return items;
}

}  // namespace tv
