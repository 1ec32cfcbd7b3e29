#include "filelist/image_file_list.h"

#include <gtest/gtest.h>

#include <set>

#include "filelist/archive_member_filter.h"
#include "tests/filelist/list_test_helpers.h"
#include "tests/filelist/recording_list_host.h"

using namespace tv;
using tvtest::Named;
using tvtest::Paths;

namespace {

// Checks the model's invariants; called after every operation in these tests.
void ExpectInvariants(const ImageFileList& list) {
  const int size = static_cast<int>(list.ActiveList().size());
  EXPECT_GE(list.ShowIndex(), -1);
  EXPECT_LT(list.ShowIndex(), size);
  if (size == 0) {
    EXPECT_EQ(list.ShowIndex(), -1);
  }
  EXPECT_EQ(list.InsideArchive(), list.ShowArchive() >= 0);
  if (list.InsideArchive()) {
    ASSERT_LT(list.ShowArchive(), static_cast<int>(list.FileList().size()));
    EXPECT_EQ(&list.ActiveList(), &list.FileList()[static_cast<size_t>(list.ShowArchive())].members);
  } else {
    EXPECT_EQ(&list.ActiveList(), &list.FileList());
  }
  EXPECT_FALSE(list.IsSelected(size));
}

struct Fixture : ::testing::Test {
  tvtest::RecordingListHost host;
  ListSettings settings;
  ImageFileList list{host, settings};

  std::wstring Shown() const {
    return list.ShowIndex() < 0 ? L"<none>" : list.ActiveList()[static_cast<size_t>(list.ShowIndex())].path;
  }
  void SelectOnly(std::initializer_list<int> indices) {
    list.ClearSelection();
    for (int i : indices) list.SetSelected(i, true);
  }
};

using FileListModel = Fixture;

}  // namespace

TEST_F(FileListModel, IndexOfPathIsExact) {
  const ImageList entries = Named({L"C:\\a.jpg", L"C:\\A.jpg", L"C:\\a.jpg"});
  EXPECT_EQ(ImageFileList::IndexOfPath(entries, L"C:\\A.jpg"), 1);
  EXPECT_EQ(ImageFileList::IndexOfPath(entries, L"C:\\a.jpg"), 0);
  EXPECT_EQ(ImageFileList::IndexOfPath(entries, L"C:\\a.jp"), -1);
  EXPECT_EQ(ImageFileList::IndexOfPath({}, L""), -1);
}

TEST_F(FileListModel, ReplaceSetsFirstPathAndReleasesPicture) {
  EXPECT_TRUE(list.SetList(Named({L"x", L"y", L"x"}), 0));
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"x", L"y", L"x"}));  // duplicates stay
  EXPECT_EQ(list.FirstPath(), L"x");
  EXPECT_TRUE(host.Called("release"));
  EXPECT_EQ(list.ShowIndex(), -1);
  ExpectInvariants(list);
  list.SetList({}, 0);
  EXPECT_TRUE(list.FileList().empty());
  EXPECT_EQ(list.FirstPath(), L"x");  // an empty replacement names no first path
  ExpectInvariants(list);
}

TEST_F(FileListModel, AppendSkipsPresentPathsAndKeepsOrder) {
  list.SetList(Named({L"a", L"b"}), 0);
  ASSERT_TRUE(list.SetShowIndex(1));
  list.SetList(Named({L"c", L"b", L"d", L"c", L"a", L"e"}), 1);
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"e"}));
  EXPECT_EQ(list.FirstPath(), L"a");
  EXPECT_EQ(Shown(), L"b");
  ExpectInvariants(list);

  ImageFileList fresh(host, settings);
  fresh.SetList(Named({L"q", L"r"}), 1);
  EXPECT_EQ(fresh.FirstPath(), L"q");
}

TEST_F(FileListModel, SortFollowsTheShownEntryInEveryMode) {
  ImageList entries;
  for (int i = 0; i < 20; ++i)
    entries.push_back({L"C:\\p\\" + std::wstring(1, static_cast<wchar_t>(L'a' + (i * 7) % 20)) + L".jpg",
                       (i * 13) % 20, static_cast<std::uint32_t>((i * 11) % 20), -1, {}});
  list.SetList(entries, 0);
  ASSERT_TRUE(list.SetShowIndex(5));
  const std::wstring shown = Shown();
  for (int mode : {0, 1, 2, 3, 4, 5, 4, 5}) {
    EXPECT_TRUE(list.SortList(mode));
    EXPECT_EQ(Shown(), shown) << "mode " << mode;
    ExpectInvariants(list);
  }
  ASSERT_TRUE(list.SortList(0));
  for (size_t i = 1; i < list.FileList().size(); ++i) EXPECT_LT(list.FileList()[i - 1].path, list.FileList()[i].path);
  ASSERT_TRUE(list.SortList(5));
  EXPECT_EQ(list.FileList().front().path, L"C:\\p\\t.jpg");
}

TEST_F(FileListModel, SortWithNothingShownKeepsMinusOne) {
  list.SetList(Named({L"b", L"a"}), 0);
  ASSERT_EQ(list.ShowIndex(), -1);
  EXPECT_TRUE(list.SortList(0));
  EXPECT_EQ(list.ShowIndex(), -1);
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"a", L"b"}));
}

TEST_F(FileListModel, SortOfEmptyListReportsFalse) {
  EXPECT_FALSE(list.SortList(0));
  EXPECT_FALSE(host.Called("refill"));
}

TEST_F(FileListModel, SortWithSelectionReordersOnlySelectedPositions) {
  list.SetList(Named({L"j", L"i", L"h", L"g", L"f", L"e", L"d", L"c", L"b", L"a"}), 0);
  ASSERT_TRUE(list.SetShowIndex(7));  // "c", selected
  SelectOnly({1, 4, 7});
  EXPECT_TRUE(list.SortList(0));
  EXPECT_EQ(Paths(list.FileList()),
            (std::vector<std::wstring>{L"j", L"c", L"h", L"g", L"f", L"e", L"d", L"i", L"b", L"a"}));
  EXPECT_EQ(list.ShowIndex(), 1);
  EXPECT_EQ(list.SelectedCount(), 3);
  EXPECT_TRUE(list.IsSelected(1) && list.IsSelected(4) && list.IsSelected(7));

  // One selected item is not a selection to sort within: the whole list sorts.
  SelectOnly({3});
  EXPECT_TRUE(list.SortList(5));
  EXPECT_EQ(list.FileList().front().path, L"a");
  ExpectInvariants(list);
}

TEST_F(FileListModel, MoveDownLeavesRunsAtTheBottomAlone) {
  list.SetList(Named({L"1", L"2", L"3", L"4"}), 0);
  ASSERT_TRUE(list.SetShowIndex(0));
  SelectOnly({0, 2, 3});
  list.MoveSelectedEntries(+1);
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"2", L"1", L"3", L"4"}));
  EXPECT_TRUE(list.IsSelected(1) && list.IsSelected(2) && list.IsSelected(3) && !list.IsSelected(0));
  EXPECT_EQ(Shown(), L"1");
  ExpectInvariants(list);
}

TEST_F(FileListModel, MoveRunsTable) {
  struct Case {
    int direction;
    std::vector<int> selected;
    int shown;
    std::vector<std::wstring> expected;
  } cases[] = {
      {-1, {1, 2}, 0, {L"b", L"c", L"a", L"d", L"e", L"f"}},
      {-1, {0, 2, 3, 5}, 4, {L"a", L"c", L"d", L"b", L"f", L"e"}},
      {+1, {0, 1, 4}, 2, {L"c", L"a", L"b", L"d", L"f", L"e"}},
      {+1, {5}, 5, {L"a", L"b", L"c", L"d", L"e", L"f"}},
      {-1, {}, 3, {L"a", L"b", L"c", L"d", L"e", L"f"}},
      {+1, {0, 1, 2, 3, 4, 5}, 1, {L"a", L"b", L"c", L"d", L"e", L"f"}},
  };
  for (const auto& c : cases) {
    list.SetList(Named({L"a", L"b", L"c", L"d", L"e", L"f"}), 0);
    ASSERT_TRUE(list.SetShowIndex(c.shown));
    const std::wstring shown = Shown();
    list.ClearSelection();
    std::set<std::wstring> selectedNames;
    for (int i : c.selected) {
      list.SetSelected(i, true);
      selectedNames.insert(list.FileList()[static_cast<size_t>(i)].path);
    }
    list.MoveSelectedEntries(c.direction);
    EXPECT_EQ(Paths(list.FileList()), c.expected);
    EXPECT_EQ(Shown(), shown);
    std::set<std::wstring> stillSelected;  // the flags travel with their entries
    for (int i = 0; i < 6; ++i)
      if (list.IsSelected(i)) stillSelected.insert(list.FileList()[static_cast<size_t>(i)].path);
    EXPECT_EQ(stillSelected, selectedNames);
    ExpectInvariants(list);
  }
}

TEST_F(FileListModel, RemoveWithHiddenViewKeepsShownEntry) {
  list.SetList(Named({L"a", L"b", L"c", L"d"}), 0);
  ASSERT_TRUE(list.SetShowIndex(2));
  EXPECT_TRUE(list.RemoveEntry(0));  // an entry before the shown one
  EXPECT_EQ(Shown(), L"c");
  EXPECT_TRUE(host.Called("reshow"));
  EXPECT_TRUE(list.RemoveEntry(1));  // the shown one: the next takes its place
  EXPECT_EQ(Shown(), L"d");
  EXPECT_TRUE(list.RemoveEntry(1));  // the shown last one: wraps to the first
  EXPECT_EQ(Shown(), L"b");
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_EQ(list.ShowIndex(), -1);
  EXPECT_TRUE(host.Called("show-empty"));
  EXPECT_FALSE(list.RemoveEntry(0));
  ExpectInvariants(list);
}

TEST_F(FileListModel, RemoveWithListViewShown) {
  host.listViewShown = true;
  list.SetList(Named({L"a", L"b", L"c", L"d"}), 0);
  ASSERT_TRUE(list.SetShowIndex(3));
  list.SetListCursor(3);
  SelectOnly({3});
  EXPECT_TRUE(list.RemoveEntry(3));  // the shown and last item
  EXPECT_EQ(list.ShowIndex(), -1);
  EXPECT_TRUE(host.Called("release"));
  EXPECT_EQ(list.ListCursor(), 2);
  EXPECT_TRUE(host.Called("select 2"));
  EXPECT_TRUE(host.Called("remove-item 3"));

  ASSERT_TRUE(list.SetShowIndex(2));
  list.SetListCursor(0);
  SelectOnly({0});
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_EQ(Shown(), L"c");
  EXPECT_EQ(list.ListCursor(), 0);
  EXPECT_TRUE(list.IsSelected(0));
  ExpectInvariants(list);
}

TEST_F(FileListModel, ArchiveEnterAndLeave) {
  host.archives[L"C:\\z.zip"] = {L"one.jpg", L"two.png", L"three.jpg"};
  list.SetList(Named({L"C:\\a.jpg", L"C:\\z.zip", L"C:\\b.jpg"}), 0);
  ASSERT_TRUE(list.SetShowIndex(1));
  EXPECT_TRUE(list.OpenArchive(1, -1, -1, true));  // stepping backwards starts at the last member
  EXPECT_TRUE(list.InsideArchive());
  EXPECT_EQ(list.ShowArchive(), 1);
  EXPECT_EQ(Shown(), L"three.jpg");
  EXPECT_TRUE(host.Called("menu-on"));
  EXPECT_TRUE(host.Called("record"));
  ExpectInvariants(list);

  EXPECT_TRUE(list.SortList(0));  // sorts the members, not the main list
  EXPECT_EQ(Paths(list.ActiveList()), (std::vector<std::wstring>{L"one.jpg", L"three.jpg", L"two.png"}));
  EXPECT_EQ(Shown(), L"three.jpg");

  EXPECT_TRUE(list.CloseArchive());
  EXPECT_FALSE(list.InsideArchive());
  EXPECT_EQ(Shown(), L"C:\\z.zip");
  EXPECT_TRUE(host.Called("menu-off"));
  ExpectInvariants(list);

  // The members are kept: a second opening lists nothing again.
  host.calls.clear();
  EXPECT_TRUE(list.OpenArchive(1, 0, 1, true));
  EXPECT_EQ(host.listings, 1);
  EXPECT_EQ(Shown(), L"one.jpg");
  EXPECT_FALSE(list.OpenArchive(0, 0, 1, true));  // no archive inside an archive
  ExpectInvariants(list);
}

TEST_F(FileListModel, ArchiveWithoutLoadableMembersLeavesTheList) {
  host.archives[L"z.zip"] = {L"bad1.jpg", L"bad2.jpg"};
  host.brokenMembers = {L"bad1.jpg", L"bad2.jpg"};
  list.SetList(Named({L"a.jpg", L"b.jpg", L"z.zip"}), 0);
  ASSERT_TRUE(list.SetShowIndex(2));
  EXPECT_FALSE(list.OpenArchive(2, -1, 1, true));
  EXPECT_EQ(host.loadedMembers, (std::vector<int>{0, 0}));
  EXPECT_TRUE(host.Called("reset-archive"));
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"a.jpg", L"b.jpg"}));
  EXPECT_EQ(Shown(), L"b.jpg");  // clamped onto the last entry
  ExpectInvariants(list);
}

TEST_F(FileListModel, FailedMembersAreSkippedBackwards) {
  host.archives[L"z.zip"] = {L"m0", L"m1", L"m2", L"m3"};
  host.brokenMembers = {L"m3", L"m2"};
  list.SetList(Named({L"z.zip"}), 0);
  EXPECT_TRUE(list.OpenArchive(0, -1, -1, true));
  EXPECT_EQ(host.loadedMembers, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(Shown(), L"m1");
  EXPECT_EQ(Paths(list.ActiveList()), (std::vector<std::wstring>{L"m0", L"m1"}));
  ExpectInvariants(list);
}

TEST_F(FileListModel, ArchiveFailingToListClosesToAnEmptyList) {
  list.SetList(Named({L"broken.zip"}), 0);
  ASSERT_TRUE(list.SetShowIndex(0));
  EXPECT_FALSE(list.OpenArchive(0, -1, 1, true));
  EXPECT_TRUE(list.FileList().empty());
  EXPECT_EQ(list.ShowIndex(), -1);  // an empty list shows nothing, not position 0
  ExpectInvariants(list);
}

TEST_F(FileListModel, PendingNameIsRefoundAmongMembers) {
  host.archives[L"z.zip"] = {L"m0", L"m1", L"m2"};
  list.SetList(Named({L"z.zip"}), 0);
  list.refind.fileName = L"m2";
  EXPECT_TRUE(list.OpenArchive(0, 0, 1, false));
  EXPECT_EQ(Shown(), L"m2");
  EXPECT_TRUE(list.refind.fileName.empty());
  EXPECT_TRUE(host.loadedMembers.empty());  // without redraw nothing is loaded
  EXPECT_TRUE(host.Called("refill"));
  list.CloseArchive();
  list.refind.fileName = L"gone";
  EXPECT_TRUE(list.OpenArchive(0, 2, 1, false));
  EXPECT_EQ(Shown(), L"m0");
  list.CloseArchive();
  EXPECT_TRUE(list.OpenArchive(0, 99, 1, false));  // a stale saved position
  EXPECT_EQ(Shown(), L"m2");
  ExpectInvariants(list);
}

TEST_F(FileListModel, ArchiveNamesWithControlCharactersAreDropped) {
  settings.EnableFileMask = true;
  settings.FileMaskString = L"*.jpg;*.png";
  host.archives[L"z.zip"] = {L"ok.jpg", L"", L"evil\r\nFileList0=C:\\x.jpg", L"tab\there.jpg", L"skip.txt",
                             L"bell\x07.png", L"fine.png"};
  list.SetList(Named({L"z.zip"}), 0);
  EXPECT_TRUE(list.OpenArchive(0, -1, 1, false));
  EXPECT_EQ(Paths(list.ActiveList()), (std::vector<std::wstring>{L"ok.jpg", L"fine.png"}));

  EXPECT_TRUE(HasControlCharacter(L"a\x1F"));
  EXPECT_FALSE(HasControlCharacter(L"a b\x3000"));
}

TEST_F(FileListModel, RemovingTheLastMemberClosesTheArchive) {
  host.archives[L"z.zip"] = {L"only.jpg"};
  list.SetList(Named({L"a.jpg", L"z.zip", L"c.jpg"}), 0);
  ASSERT_TRUE(list.OpenArchive(1, 0, 1, true));
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_FALSE(list.InsideArchive());
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"a.jpg", L"c.jpg"}));
  EXPECT_EQ(Shown(), L"c.jpg");
  ExpectInvariants(list);
}

TEST_F(FileListModel, RemovingTheLastMemberWithListViewClosesAndRefills) {
  host.listViewShown = true;
  host.archives[L"z.zip"] = {L"only.jpg"};
  list.SetList(Named({L"z.zip"}), 0);
  ASSERT_TRUE(list.OpenArchive(0, 0, 1, true));
  list.SetSelected(0, true);
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_FALSE(list.InsideArchive());
  EXPECT_TRUE(list.FileList().empty());
  EXPECT_EQ(list.ShowIndex(), -1);
  EXPECT_TRUE(host.Called("refill"));
  ExpectInvariants(list);
}

TEST_F(FileListModel, SetListClosesAnOpenArchive) {
  host.archives[L"z.zip"] = {L"m"};
  list.SetList(Named({L"z.zip"}), 0);
  ASSERT_TRUE(list.OpenArchive(0, 0, 1, true));
  list.SetList(Named({L"n.jpg"}), 1);
  EXPECT_FALSE(list.InsideArchive());
  EXPECT_EQ(Paths(list.FileList()), (std::vector<std::wstring>{L"z.zip", L"n.jpg"}));
  EXPECT_EQ(Shown(), L"z.zip");
  ExpectInvariants(list);
}

TEST_F(FileListModel, ShowIndexSetterRefusesOutOfRange) {
  list.SetList(Named({L"a"}), 0);
  EXPECT_FALSE(list.SetShowIndex(1));
  EXPECT_FALSE(list.SetShowIndex(-2));
  EXPECT_TRUE(list.SetShowIndex(0));
  EXPECT_EQ(list.MutableActiveEntry(1), nullptr);
  list.MutableActiveEntry(0)->rotation = 3;
  EXPECT_EQ(list.FileList()[0].rotation, 3);
}
