#pragma once
// Small builders the file-list tests share.
#include <initializer_list>
#include <string>
#include <vector>

#include "filelist/image_entry.h"

namespace tvtest {

// Entries with these paths and nothing else known about them.
inline tv::ImageList Named(std::initializer_list<const wchar_t*> paths) {
  tv::ImageList list;
  for (auto p : paths) list.push_back({p, 0, 0, -1, {}});
  return list;
}

inline std::vector<std::wstring> Paths(const tv::ImageList& list) {
  std::vector<std::wstring> out;
  for (const auto& e : list) out.push_back(e.path);
  return out;
}

}  // namespace tvtest
