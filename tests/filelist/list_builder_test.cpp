// Building lists from real files, folders and shortcuts, under Wine.
#include "filelist/list_builder.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/shell_link.h"

using namespace tv;
using tvtest::Paths;

namespace {

// Stands in for the saved-list reader: knows some files by path.
struct ScriptedListFileReader : ListFileReader {
  struct Saved {
    std::vector<std::wstring> paths;
    ListFilePosition position;
  };
  std::map<std::wstring, Saved> files;
  std::vector<std::wstring> reads;

  bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path) override {
    reads.push_back(path);
    const auto found = files.find(path);
    if (found == files.end()) return false;
    for (const auto& p : found->second.paths) list.push_back({p, 0, 0, -1, {}});
    position = found->second.position;
    return true;
  }
};

struct ListBuilding : ::testing::Test {
  tvtest::TempFolder temp;
  ListSettings settings;
  ScriptedListFileReader reader;
  FolderScanner scanner;
  ImageList out;
  BuildListPosition position;
  std::wstring tflFileName = L"previous.tfl";

  void Build(std::vector<std::wstring>& paths, int direction) {
    BuildList(out, paths, direction, position, tflFileName, ListBuildContext{settings, reader, scanner});
  }
};

}  // namespace

TEST_F(ListBuilding, FilesFoldersAndShortcutsInOrder) {
  const std::wstring one = temp.WriteBytes(L"one.jpg", "1");
  temp.MakeFolder(L"album");
  temp.MakeFolder(L"album\\inner");
  const std::wstring a = temp.WriteBytes(L"album\\a.png", "a");
  const std::wstring b = temp.WriteBytes(L"album\\inner\\b.png", "b");
  const std::wstring linked = temp.WriteBytes(L"linked.jpg", "l");
  const std::wstring link = temp.Join(L"to linked.lnk");
  ASSERT_TRUE(CreateShortcut(linked, link, L""));

  std::vector<std::wstring> paths = {one, temp.Join(L"album"), link, temp.Join(L"missing.jpg"), one};
  Build(paths, +1);
  // The same file named twice in one call is added twice.
  EXPECT_EQ(Paths(out), (std::vector<std::wstring>{one, a, b, linked, one}));
  EXPECT_EQ(paths[2], linked);  // the shortcut was replaced by its target
  EXPECT_EQ(position.first, 0);
  EXPECT_EQ(position.member, -1);
  EXPECT_EQ(position.refind.fileName, one);
  EXPECT_EQ(out[0].size, 1u);
  EXPECT_EQ(tflFileName, L"previous.tfl");

  // Without subfolder search only the folder's own files come.
  settings.SearchSubFolder = false;
  out.clear();
  std::vector<std::wstring> folderOnly = {temp.Join(L"album")};
  Build(folderOnly, +1);
  EXPECT_EQ(Paths(out), std::vector<std::wstring>{a});
  EXPECT_EQ(position.refind.fileName, a);
}

TEST_F(ListBuilding, MaskFiltersNamedFilesButNotFolderContents) {
  settings.EnableFileMask = true;
  settings.FileMaskString = L"*.png";
  const std::wstring jpg = temp.WriteBytes(L"photo.jpg", "j");
  const std::wstring png = temp.WriteBytes(L"photo.png", "p");
  std::vector<std::wstring> files = {jpg, png};
  Build(files, +1);
  EXPECT_EQ(Paths(out), std::vector<std::wstring>{png});
  EXPECT_TRUE(position.refind.fileName.empty());  // the first path was skipped

  out.clear();
  std::vector<std::wstring> folder = {temp.path()};
  Build(folder, +1);
  EXPECT_EQ(out.size(), 2u);  // dropped later, when stepped onto
}

TEST_F(ListBuilding, NegativeDirectionStartsPastTheLastEntry) {
  const std::wstring x = temp.WriteBytes(L"x.jpg", "x");
  const std::wstring y = temp.WriteBytes(L"y.jpg", "y");
  std::vector<std::wstring> paths = {x, y};
  Build(paths, -1);
  EXPECT_EQ(position.first, 2);
  EXPECT_EQ(position.refind.fileName, y);
  EXPECT_EQ(position.member, -1);
}

// Regression: with a negative direction, a folder that yields nothing (empty,
// removed, or a refused scan) used to name "the last entry" of an empty list.
TEST_F(ListBuilding, NegativeDirectionWithNothingFoundIsGuarded) {
  const std::wstring empty = temp.MakeFolder(L"empty");
  std::vector<std::wstring> paths = {empty, temp.Join(L"removed folder")};
  Build(paths, -1);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(position.first, 0);
  EXPECT_EQ(position.member, -1);
  EXPECT_TRUE(position.refind.fileName.empty());
}

TEST_F(ListBuilding, SavedListsGivePositionAndNames) {
  const std::wstring x = temp.WriteBytes(L"x.jpg", "x");
  ScriptedListFileReader::Saved saved;
  saved.paths = {L"C:\\s\\1.jpg", L"C:\\s\\arc.zip", L"C:\\s\\3.jpg"};
  saved.position = {1, 4, L"member.jpg", L"C:\\s\\arc.zip"};
  reader.files[L"C:\\lists\\holiday.tfl"] = saved;

  std::vector<std::wstring> paths = {x, L"C:\\lists\\holiday.tfl"};
  Build(paths, -1);
  EXPECT_EQ(out.size(), 4u);
  EXPECT_EQ(position.first, 2);  // one entry before the list, then its index 1
  EXPECT_EQ(position.member, 4);
  EXPECT_EQ(position.refind.fileName, L"member.jpg");
  EXPECT_EQ(position.refind.archiveName, L"C:\\s\\arc.zip");
  EXPECT_EQ(tflFileName, L"C:\\lists\\holiday.tfl");

  // Forwards, only a list given first sets the position.
  out.clear();
  Build(paths, +1);
  EXPECT_EQ(position.first, 0);
  EXPECT_EQ(position.member, -1);
  EXPECT_EQ(position.refind.fileName, x);
  EXPECT_EQ(reader.reads.size(), 2u);
}

// Regression: a saved list that cannot be read leaves a defined position
// (its index 0, member -1) and is not remembered as the list to save over.
TEST_F(ListBuilding, UnreadableSavedListGivesDefinedPosition) {
  ScriptedListFileReader::Saved good;
  good.paths = {L"C:\\s\\1.jpg"};
  good.position = {0, 7, L"", L""};
  reader.files[L"C:\\good.tfl"] = good;
  std::vector<std::wstring> paths = {L"C:\\good.tfl", L"C:\\broken.tfl"};
  Build(paths, -1);
  EXPECT_EQ(position.first, 1);  // after the good list's entry, index 0
  EXPECT_EQ(position.member, -1);
  EXPECT_EQ(tflFileName, L"C:\\good.tfl");
}

TEST_F(ListBuilding, BrokenShortcutAndEmptyPathsAreSkipped) {
  const std::wstring garbage = temp.WriteBytes(L"garbage.lnk", "not a shell link");
  std::vector<std::wstring> paths = {garbage, L""};
  Build(paths, +1);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(paths[0], L"");
}
