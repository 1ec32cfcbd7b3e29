#include <gtest/gtest.h>

#include <set>

#include "app/refind_entry.h"

using namespace tv;

namespace {
ImageEntry File(const std::wstring& path) { return ImageEntry{path, 0, 0, -1, {}}; }
ImageEntry Archive(const std::wstring& path, std::vector<std::wstring> members) {
  ImageEntry e = File(path);
  for (auto& m : members) e.members.push_back(File(m));
  return e;
}

struct Existing {
  std::set<std::wstring> paths;
  bool operator()(const std::wstring& p) const { return paths.count(p) != 0; }
};
}  // namespace

TEST(RefindEntry, PlainListFindsTheNameOrWraps) {
  const ImageList list = {File(L"a"), File(L"b"), File(L"c")};
  Existing exists{{L"a", L"b", L"c"}};
  RememberedPosition p{0, -1, L"c", L""};
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showIndex, 2);
  EXPECT_TRUE(p.pendingFileName.empty());

  p = {1, -1, L"b", L""};  // already right
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showIndex, 1);

  p = {7, -1, L"", L""};  // no name: wrapped by the length
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showIndex, 1);

  p = {-4, -1, L"gone", L""};  // negative becomes 0; a missing file is not searched
  RefindRememberedEntry(list, p, Existing{});
  EXPECT_EQ(p.showIndex, 0);

  p = {5, -1, L"a", L""};  // the file exists but the index is outside: wrapped, not searched
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showIndex, 2);
}

TEST(RefindEntry, ArchiveMemberFoundByArchiveAndMemberName) {
  const ImageList list = {File(L"x.jpg"), Archive(L"z.zip", {L"1.png", L"2.png", L"3.png"})};
  Existing exists{{L"z.zip"}};
  RememberedPosition p{0, 0, L"3.png", L"z.zip"};  // the archive moved from 0 to 1
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showArchive, 1);
  EXPECT_EQ(p.showIndex, 2);

  p = {4, 1, L"", L"z.zip"};  // no member name: wrapped into the members
  RefindRememberedEntry(list, p, exists);
  EXPECT_EQ(p.showArchive, 1);
  EXPECT_EQ(p.showIndex, 1);
}

TEST(RefindEntry, ArchiveGoneFallsBackToTheMainList) {
  const ImageList list = {File(L"x.jpg"), Archive(L"z.zip", {L"1.png"})};
  RememberedPosition p{0, 1, L"1.png", L"z.zip"};
  RefindRememberedEntry(list, p, Existing{});
  EXPECT_EQ(p.showArchive, -1);
  EXPECT_EQ(p.showIndex, 1);

  p = {0, 9, L"", L""};  // no archive name: clamped to the last entry, which has members
  RefindRememberedEntry(list, p, Existing{});
  EXPECT_EQ(p.showArchive, 1);
  EXPECT_EQ(p.showIndex, 0);

  p = {3, 0, L"", L""};  // the entry has no members: it becomes the position itself
  RefindRememberedEntry(list, p, Existing{});
  EXPECT_EQ(p.showArchive, -1);
  EXPECT_EQ(p.showIndex, 0);
}

// Regression: an archive not yet listed has no members; wrapping a member
// index into an empty list divided by zero. The member position is kept for
// the archive to be read when it is shown.
TEST(RefindEntry, UnlistedArchiveKeepsTheMemberPosition) {
  const ImageList list = {Archive(L"z.zip", {})};
  RememberedPosition p{3, 0, L"4.png", L"z.zip"};
  RefindRememberedEntry(list, p, Existing{{L"z.zip"}});
  EXPECT_EQ(p.showArchive, 0);
  EXPECT_EQ(p.showIndex, 3);
}

TEST(WrapIndex, AddsOrSubtractsTheLength) {
  EXPECT_EQ(WrapIndex(13, 5), 3);  // Page Down from 3 on five entries
  EXPECT_EQ(WrapIndex(-1, 5), 4);
  EXPECT_EQ(WrapIndex(-11, 5), 4);
  EXPECT_EQ(WrapIndex(0, 0), -1);
}
