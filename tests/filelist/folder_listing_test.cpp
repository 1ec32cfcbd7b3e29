// One-level folder listings on a real folder, under Wine.
#include "filelist/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "filelist/folder_enumeration.h"
#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/shell_link.h"
#include "util/text.h"

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

namespace {

// path, folder flag, creation time, size
using Listed = std::tuple<std::wstring, bool, std::uint64_t, std::uint32_t>;

std::vector<Listed> ListAll(const std::wstring& folder, ListingMethod method) {
  FolderEnumeration items(folder, method);
  std::vector<Listed> out;
  while (items.Next()) out.emplace_back(items.ItemPath(), items.IsFolder(), items.CreationFileTime(), items.SizeLow());
  EXPECT_EQ(items.ListsByName(), method == ListingMethod::ByName);  // a local disk answers the query
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

// File systems that refuse the by-handle query are listed by name: both ways
// must report the same items with the same facts, beyond 260 characters and
// for names outside ASCII too.
TEST(FolderEnumeration, ListingByNameMatchesTheByHandleQuery) {
  tvtest::TempFolder temp;
  std::wstring deep = temp.MakeFolder(L"\x5199\x771F");
  std::wstring relative = L"\x5199\x771F";
  for (int level = 0; level < 4; ++level) {
    relative += L"\\" + std::wstring(70, L'd') + DecimalInt(level);
    deep = temp.MakeFolder(relative);
  }
  ASSERT_GT(deep.size(), 260u);
  for (const std::wstring& folder : {temp.path(), deep}) {
    const std::wstring in = folder == deep ? relative + L"\\" : L"";
    temp.WriteBytes(in + L"\xD83D\xDCF7 caf\xE9.jpg", "12345");
    temp.WriteBytes(in + std::wstring(200, L'n') + L".png", "");
    temp.MakeFolder(in + L"sub \x00E9t\x00E9");
  }
  for (const std::wstring& folder : {temp.path(), deep}) {
    const std::vector<Listed> byHandle = ListAll(folder, ListingMethod::ByHandle);
    ASSERT_EQ(byHandle.size(), folder == deep ? 3u : 4u) << WideToUtf8(folder);
    EXPECT_EQ(ListAll(folder, ListingMethod::ByName), byHandle);
    EXPECT_EQ(ListAll(folder, ListingMethod::Automatic), byHandle);
  }
  for (const ListingMethod method : {ListingMethod::ByHandle, ListingMethod::ByName})
    EXPECT_TRUE(ListAll(temp.Join(L"missing"), method).empty());
}
