#pragma once
// The block WM_DROPFILES carries, as the shell makes it: DROPFILES, then the
// paths as NUL-terminated wide strings and an empty one. The caller owns it.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tvtest {

inline HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::size_t chars = 1;
  for (const auto& p : paths) chars += p.size() + 1;
  HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  if (!block) return nullptr;
  auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  wchar_t* at = reinterpret_cast<wchar_t*>(header + 1);
  for (const auto& p : paths) at = std::copy(p.begin(), p.end(), at) + 1;
  ::GlobalUnlock(block);
  return static_cast<HDROP>(block);
}

}  // namespace tvtest
