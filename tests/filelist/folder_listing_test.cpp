// One-level folder listings on a real folder, under Wine.
#include "filelist/folder_listing.h"

#include <gtest/gtest.h>

#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/shell_link.h"

using namespace tv;
using tvtest::Sorted;

TEST(FolderListing, FilesMatchingTheMaskAndSubfolders) {
  tvtest::TempFolder temp;
  const std::wstring spi = temp.WriteBytes(L"ifjpeg.spi", "p");
  temp.WriteBytes(L"readme.txt", "t");
  const std::wstring sub = temp.MakeFolder(L"sub");
  const std::wstring other = temp.MakeFolder(L"other");
  const std::wstring linkedSpi = temp.WriteBytes(L"other\\linked.spi", "l");
  ASSERT_TRUE(CreateShortcut(linkedSpi, temp.Join(L"plugin.lnk"), L""));
  ASSERT_TRUE(CreateShortcut(other, temp.Join(L"folder.lnk"), L""));

  EXPECT_EQ(ListFolderFiles(false, temp.path(), L"*.spi"), std::vector<std::wstring>{spi});
  EXPECT_EQ(Sorted(ListFolderFiles(true, temp.path(), L"*.spi")), Sorted({spi, linkedSpi}));
  EXPECT_EQ(Sorted(ListSubfolders(false, temp.path())), Sorted({sub, other}));
  EXPECT_EQ(Sorted(ListSubfolders(true, temp.path())), Sorted({sub, other, other}));  // followed: once more
  EXPECT_TRUE(ListFolderFiles(true, temp.Join(L"missing"), L"*").empty());
  EXPECT_TRUE(ListSubfolders(true, spi).empty());
}
