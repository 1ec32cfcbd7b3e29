// A drop as the shell hands it over: one owner finishes it, once.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "util/dropped_files.h"
#include "util/win_handles.h"

namespace {

// The block WM_DROPFILES carries: DROPFILES, then NUL-separated wide paths
// ending in an empty one.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
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

bool Alive(HDROP drop) { return ::GlobalSize(drop) != 0; }

// Collecting the paths finished the drop, and the window finished it again.
TEST(DroppedFiles, CollectingLeavesTheDropToItsOneOwner) {
  const HDROP drop = MakeDrop({L"C:\\a.png", L"D:\\pictures"});
  ASSERT_NE(drop, nullptr);
  ASSERT_TRUE(Alive(drop));
  {
    const tv::UniqueDrop owner(drop);
    std::vector<std::wstring> paths;
    EXPECT_EQ(tv::CollectDroppedFiles(owner.get(), paths), 2u);
    EXPECT_EQ(paths, (std::vector<std::wstring>{L"C:\\a.png", L"D:\\pictures"}));
    EXPECT_TRUE(Alive(drop)) << "finished before its owner let it go";
    // Reading it twice is harmless while it is held.
    paths.clear();
    EXPECT_EQ(tv::CollectDroppedFiles(owner.get(), paths), 2u);
  }
  EXPECT_FALSE(Alive(drop)) << "the owner did not finish it";
}

}  // namespace
