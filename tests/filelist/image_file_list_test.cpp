#include "filelist/image_file_list.h"

#include <gtest/gtest.h>

#include <set>

#include "filelist/archive_member_filter.h"
#include "tests/filelist/list_test_helpers.h"
#include "tests/filelist/recording_list_host.h"

using namespace tv;
using tvtest::Named;
using tvtest::Paths;
using tvtest::Strings;

namespace {

struct FileListModel : ::testing::Test {
  tvtest::RecordingListHost host;
  ListSettings settings;
  ImageFileList list{host, settings};

  // The model's invariants, checked after every test.
  void TearDown() override {
    const int size = static_cast<int>(list.ActiveList().size());
    EXPECT_GE(list.ShowIndex(), -1);
    EXPECT_LT(list.ShowIndex(), size);  // so -1 when the list is empty
    EXPECT_EQ(list.InsideArchive(), list.ShowArchive() >= 0);
    EXPECT_EQ(&list.ActiveList(),
              list.InsideArchive() ? &list.FileList()[size_t(list.ShowArchive())].members : &list.FileList());
    EXPECT_FALSE(list.IsSelected(size));
  }
  std::wstring Shown() const {
    return list.ShowIndex() < 0 ? L"<none>" : list.ActiveList()[static_cast<size_t>(list.ShowIndex())].path;
  }
  void SelectOnly(const std::vector<int>& indices) {
    list.ClearSelection();
    for (int i : indices) list.SetSelected(i, true);
  }
  void ShowIn(std::initializer_list<const wchar_t*> paths, int shown) {
    list.SetList(Named(paths), 0);
    ASSERT_TRUE(list.SetShowIndex(shown));
  }
};

}  // namespace

TEST_F(FileListModel, SetListReplacesOrAppendsUnseenPaths) {
  EXPECT_TRUE(list.SetList(Named({L"x", L"y", L"x"}), 0));
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"x", L"y", L"x"}));  // a replacement keeps duplicates
  EXPECT_EQ(list.FirstPath(), L"x");
  EXPECT_TRUE(host.Called("release"));
  ShowIn({L"a", L"b"}, 1);
  list.SetList(Named({L"c", L"b", L"d", L"c", L"a", L"e"}), 1);
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"a", L"b", L"c", L"d", L"e"}));
  EXPECT_EQ(list.FirstPath(), L"a");
  EXPECT_EQ(Shown(), L"b");
}

TEST_F(FileListModel, SortFollowsTheShownEntryInEveryMode) {
  EXPECT_FALSE(list.SortList(0));  // nothing to sort
  EXPECT_FALSE(host.Called("refill"));
  ImageList entries;
  for (int i = 0; i < 20; ++i)
    entries.push_back({std::wstring(1, wchar_t(L'a' + (i * 7) % 20)), (i * 13) % 20, std::uint32_t((i * 11) % 20), -1, {}});
  list.SetList(entries, 0);
  EXPECT_TRUE(list.SortList(1));
  EXPECT_EQ(list.ShowIndex(), -1);  // nothing shown stays so
  ASSERT_TRUE(list.SetShowIndex(5));
  const std::wstring shown = Shown();
  for (int mode : {0, 1, 2, 3, 4, 5, 4, 5}) {
    EXPECT_TRUE(list.SortList(mode));
    EXPECT_EQ(Shown(), shown) << "mode " << mode;
  }
}

TEST_F(FileListModel, SortWithSelectionReordersOnlySelectedPositions) {
  ShowIn({L"j", L"i", L"h", L"g", L"f", L"e", L"d", L"c", L"b", L"a"}, 7);  // "c", selected
  SelectOnly({1, 4, 7});
  EXPECT_TRUE(list.SortList(0));
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"j", L"c", L"h", L"g", L"f", L"e", L"d", L"i", L"b", L"a"}));
  EXPECT_EQ(list.ShowIndex(), 1);
  EXPECT_EQ(list.SelectedCount(), 3);
  for (int i : {1, 4, 7}) EXPECT_TRUE(list.IsSelected(i)) << i;
  SelectOnly({3});  // one selected item is no selection to sort within
  EXPECT_TRUE(list.SortList(5));
  EXPECT_EQ(list.FileList().front().path, L"a");
}

TEST_F(FileListModel, MoveRunsTable) {
  const struct {
    int direction;
    std::vector<int> selected;
    int shown;
    Strings expected;
  } cases[] = {
      {-1, {1, 2}, 0, {L"b", L"c", L"a", L"d", L"e", L"f"}},
      {-1, {0, 2, 3, 5}, 4, {L"a", L"c", L"d", L"b", L"f", L"e"}},
      {+1, {0, 1, 4}, 2, {L"c", L"a", L"b", L"d", L"f", L"e"}},
      {+1, {0, 4, 5}, 0, {L"b", L"a", L"c", L"d", L"e", L"f"}},  // the run at the bottom stays
      {+1, {5}, 5, {L"a", L"b", L"c", L"d", L"e", L"f"}},
      {-1, {}, 3, {L"a", L"b", L"c", L"d", L"e", L"f"}},
      {+1, {0, 1, 2, 3, 4, 5}, 1, {L"a", L"b", L"c", L"d", L"e", L"f"}},
  };
  for (const auto& c : cases) {
    ShowIn({L"a", L"b", L"c", L"d", L"e", L"f"}, c.shown);
    const std::wstring shown = Shown();
    SelectOnly(c.selected);
    std::set<std::wstring> selectedNames, stillSelected;
    for (int i : c.selected) selectedNames.insert(list.FileList()[size_t(i)].path);
    list.MoveSelectedEntries(c.direction);
    EXPECT_EQ(Paths(list.FileList()), c.expected);
    EXPECT_EQ(Shown(), shown);
    for (int i = 0; i < 6; ++i)  // the flags travel with their entries
      if (list.IsSelected(i)) stillSelected.insert(list.FileList()[size_t(i)].path);
    EXPECT_EQ(stillSelected, selectedNames);
  }
}

TEST_F(FileListModel, RemoveWithHiddenViewKeepsShownEntry) {
  ShowIn({L"a", L"b", L"c", L"d"}, 2);
  EXPECT_TRUE(list.RemoveEntry(0));  // before the shown one
  EXPECT_EQ(Shown(), L"c");
  EXPECT_TRUE(host.Called("reshow"));
  EXPECT_TRUE(list.RemoveEntry(1));  // the shown one: the next takes its place
  EXPECT_EQ(Shown(), L"d");
  EXPECT_TRUE(list.RemoveEntry(1));  // the shown last one: wraps to the first
  EXPECT_EQ(Shown(), L"b");
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_TRUE(host.Called("show-empty"));
  EXPECT_FALSE(list.RemoveEntry(0));
}

TEST_F(FileListModel, RemoveWithListViewShown) {
  host.listViewShown = true;
  ShowIn({L"a", L"b", L"c", L"d"}, 3);
  list.SetListCursor(3);
  SelectOnly({3});
  EXPECT_TRUE(list.RemoveEntry(3));  // the shown and last item
  EXPECT_EQ(list.ShowIndex(), -1);
  EXPECT_EQ(list.ListCursor(), 2);
  for (const char* call : {"release", "select 2", "remove-item 3"}) EXPECT_TRUE(host.Called(call)) << call;
  ASSERT_TRUE(list.SetShowIndex(2));
  SelectOnly({0, 1});
  EXPECT_TRUE(list.RemoveEntry(0));
  EXPECT_EQ(Shown(), L"c");
  EXPECT_TRUE(list.IsSelected(0));  // the flags shift with the entries
  EXPECT_FALSE(list.IsSelected(1));
}

// Regression: the item under the list box's cursor is the one the user
// removed, even when the model last saw the cursor elsewhere; the item that
// takes its place becomes the selection.
TEST_F(FileListModel, RemoveInListViewReselectsAtTheBoxCursor) {
  host.listViewShown = true;
  ShowIn({L"a", L"b", L"c", L"d"}, 0);
  list.SetListCursor(0);  // what the model saw before the user moved on
  host.model = &list;
  host.boxSelected = {2};
  host.boxCursor = 2;
  EXPECT_TRUE(list.RemoveEntry(2));
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"a", L"b", L"d"}));
  EXPECT_EQ(list.ListCursor(), 2);
  EXPECT_TRUE(list.IsSelected(2));
  EXPECT_TRUE(host.Called("select 2"));
}

TEST_F(FileListModel, ArchiveEnterSortAndLeave) {
  host.archives[L"z.zip"] = {L"one.jpg", L"two.png", L"three.jpg"};
  ShowIn({L"a.jpg", L"z.zip", L"b.jpg"}, 1);
  EXPECT_TRUE(list.OpenArchive(1, -1, -1, true));  // stepping backwards starts at the last member
  EXPECT_EQ(list.ShowArchive(), 1);
  EXPECT_EQ(Shown(), L"three.jpg");
  EXPECT_TRUE(host.Called("menu-on"));
  EXPECT_TRUE(host.Called("record"));
  EXPECT_TRUE(list.SortList(0));  // the members, not the main list
  EXPECT_EQ(Paths(list.ActiveList()), (Strings{L"one.jpg", L"three.jpg", L"two.png"}));
  EXPECT_EQ(Shown(), L"three.jpg");
  EXPECT_TRUE(list.CloseArchive());
  EXPECT_EQ(Shown(), L"z.zip");
  EXPECT_TRUE(host.Called("menu-off"));
  EXPECT_TRUE(list.OpenArchive(1, 0, 1, true));
  EXPECT_EQ(host.listings, 1);  // the members were kept
  EXPECT_EQ(Shown(), L"one.jpg");
  EXPECT_FALSE(list.OpenArchive(0, 0, 1, true));  // no archive inside an archive
  list.SetList(Named({L"n.jpg"}), 1);  // a new list closes the archive
  EXPECT_FALSE(list.InsideArchive());
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"a.jpg", L"z.zip", L"b.jpg", L"n.jpg"}));
  EXPECT_EQ(Shown(), L"z.zip");
}

TEST_F(FileListModel, FailedMembersAreSkippedAndAnAllBrokenArchiveLeavesTheList) {
  host.archives[L"z.zip"] = {L"m0", L"m1", L"m2", L"m3"};
  host.archives[L"bad.zip"] = {L"bad1", L"bad2"};
  host.brokenMembers = {L"m3", L"m2", L"bad1", L"bad2"};
  ShowIn({L"z.zip", L"b.jpg", L"bad.zip"}, 0);
  EXPECT_TRUE(list.OpenArchive(0, -1, -1, true));
  EXPECT_EQ(host.loadedMembers, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(Paths(list.ActiveList()), (Strings{L"m0", L"m1"}));
  EXPECT_EQ(Shown(), L"m1");
  list.CloseArchive();
  host.loadedMembers.clear();
  ASSERT_TRUE(list.SetShowIndex(2));  // every member fails: the archive leaves the list
  EXPECT_FALSE(list.OpenArchive(2, -1, 1, true));
  EXPECT_EQ(host.loadedMembers, (std::vector<int>{0, 0}));
  EXPECT_TRUE(host.Called("reset-archive"));
  EXPECT_EQ(Paths(list.FileList()), (Strings{L"z.zip", L"b.jpg"}));
  EXPECT_EQ(Shown(), L"b.jpg");  // clamped onto the last entry
}

TEST_F(FileListModel, ArchiveFailingToListClosesToAnEmptyList) {
  ShowIn({L"broken.zip"}, 0);
  EXPECT_FALSE(list.OpenArchive(0, -1, 1, true));
  EXPECT_TRUE(list.FileList().empty());
  EXPECT_EQ(list.ShowIndex(), -1);  // an empty list shows nothing, not position 0
}

TEST_F(FileListModel, PendingNameIsRefoundAmongMembers) {
  host.archives[L"z.zip"] = {L"m0", L"m1", L"m2"};
  list.SetList(Named({L"z.zip"}), 0);
  const std::tuple<const wchar_t*, int, const wchar_t*> cases[] = {
      {L"m2", 0, L"m2"}, {L"gone", 2, L"m0"}, {L"", 99, L"m2"}};  // 99: a stale saved position
  for (const auto& [pending, member, expected] : cases) {
    list.refind.fileName = pending;
    EXPECT_TRUE(list.OpenArchive(0, member, 1, false));
    EXPECT_EQ(Shown(), expected);
    EXPECT_TRUE(list.refind.fileName.empty());
    list.CloseArchive();
  }
  EXPECT_TRUE(host.loadedMembers.empty());  // without redraw nothing is loaded
  EXPECT_TRUE(host.Called("refill"));
}

TEST_F(FileListModel, ArchiveNamesWithControlCharactersAreDropped) {
  settings.EnableFileMask = true;
  settings.FileMaskString = L"*.jpg;*.png";
  host.archives[L"z.zip"] = {L"ok.jpg", L"", L"evil\r\nFileList0=C:\\x.jpg", L"tab\there.jpg", L"skip.txt",
                             L"bell\x07.png", L"fine\x3000.png"};
  list.SetList(Named({L"z.zip"}), 0);
  EXPECT_TRUE(list.OpenArchive(0, -1, 1, false));
  EXPECT_EQ(Paths(list.ActiveList()), (Strings{L"ok.jpg", L"fine\x3000.png"}));
  EXPECT_TRUE(HasControlCharacter(L"a\x1F"));
}

TEST_F(FileListModel, RemovingTheLastMemberClosesTheArchive) {
  host.archives[L"z.zip"] = {L"only.jpg"};
  for (bool listView : {false, true}) {
    host.listViewShown = listView;
    list.SetList(Named({L"a.jpg", L"z.zip", L"c.jpg"}), 0);
    ASSERT_TRUE(list.OpenArchive(1, 0, 1, true));
    list.SetSelected(0, true);
    EXPECT_TRUE(list.RemoveEntry(0));
    EXPECT_FALSE(list.InsideArchive());
    EXPECT_EQ(Paths(list.FileList()), (Strings{L"a.jpg", L"c.jpg"}));
  }
  EXPECT_TRUE(host.Called("refill"));
}
