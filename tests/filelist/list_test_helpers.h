#pragma once
// Small builders the file-list tests share.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "filelist/image_entry.h"

namespace tvtest {

using Strings = std::vector<std::wstring>;

inline tv::ImageList Named(std::initializer_list<const wchar_t*> paths) {
  tv::ImageList list;
  for (auto p : paths) list.push_back({p, 0, 0, -1, {}});
  return list;
}

inline Strings Paths(const tv::ImageList& list) {
  Strings out;
  for (const auto& e : list) out.push_back(e.path);
  return out;
}

inline Strings Sorted(Strings v) {
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace tvtest
