// Building lists from real files, folders and shortcuts, under Wine.
#include "filelist/list_builder.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/shell_link.h"

using namespace tv;
using tvtest::Paths;
using tvtest::Strings;

namespace {

// Stands in for the saved-list reader: knows some files by path.
struct ScriptedListFileReader : ListFileReader {
  std::map<std::wstring, std::pair<Strings, ListFilePosition>> files;
  bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return false;
    for (const auto& p : found->second.first) list.push_back({p, 0, 0, -1, {}});
    position = found->second.second;
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

  Strings Build(Strings paths, int direction) {
    out.clear();
    position = {};
    BuildList(out, paths, direction, position, tflFileName, ListBuildContext{settings, reader, scanner});
    return paths;
  }
  void ExpectPosition(int first, int member, const std::wstring& name) {
    EXPECT_EQ(position.first, first);
    EXPECT_EQ(position.member, member);
    EXPECT_EQ(position.refind.fileName, name);
  }
};

}  // namespace

TEST_F(ListBuilding, FilesFoldersShortcutsAndTheMask) {
  const std::wstring one = temp.WriteBytes(L"one.jpg", "1");
  const std::wstring album = temp.MakeFolder(L"album");
  temp.MakeFolder(L"album\\inner");
  const std::wstring a = temp.WriteBytes(L"album\\a.png", "a");
  const std::wstring b = temp.WriteBytes(L"album\\inner\\b.png", "b");
  const std::wstring linked = temp.WriteBytes(L"linked.jpg", "l");
  const std::wstring link = temp.Join(L"to linked.lnk");
  ASSERT_TRUE(CreateShortcut(linked, link, L""));
  const std::wstring garbage = temp.WriteBytes(L"garbage.lnk", "not a shell link");

  const Strings paths = Build({one, album, link, temp.Join(L"missing.jpg"), one, garbage, L""}, +1);
  EXPECT_EQ(Paths(out), (Strings{one, a, b, linked, one}));  // named twice, added twice
  EXPECT_EQ(paths[2], linked);  // the shortcut was replaced by its target
  EXPECT_EQ(paths[5], L"");
  ExpectPosition(0, -1, one);
  EXPECT_EQ(tflFileName, L"previous.tfl");

  Build({one, album}, -1);  // backwards: past the last entry, naming it
  ExpectPosition(3, -1, b);

  settings.SearchSubFolder = false;
  settings.EnableFileMask = true;
  settings.FileMaskString = L"*.png";
  Build({one, album}, +1);  // the mask drops named files, not folder contents
  EXPECT_EQ(Paths(out), Strings{a});
  EXPECT_TRUE(position.refind.fileName.empty());  // the first path was skipped
}

// Regression: with a negative direction, a folder that yields nothing (empty,
// removed, or a refused scan) used to name "the last entry" of an empty list.
TEST_F(ListBuilding, NegativeDirectionWithNothingFoundIsGuarded) {
  Build({temp.MakeFolder(L"empty"), temp.Join(L"removed folder")}, -1);
  EXPECT_TRUE(out.empty());
  ExpectPosition(0, -1, L"");
}

TEST_F(ListBuilding, SavedListsGivePositionAndNames) {
  const std::wstring x = temp.WriteBytes(L"x.jpg", "x");
  reader.files[L"C:\\holiday.tfl"] = {{L"C:\\s\\1.jpg", L"C:\\s\\arc.zip", L"C:\\s\\3.jpg"},
                                      {1, 4, L"member.jpg", L"C:\\s\\arc.zip"}};
  Build({x, L"C:\\holiday.tfl"}, -1);
  EXPECT_EQ(out.size(), 4u);
  ExpectPosition(2, 4, L"member.jpg");  // one entry before the list, then its index 1
  EXPECT_EQ(position.refind.archiveName, L"C:\\s\\arc.zip");
  EXPECT_EQ(tflFileName, L"C:\\holiday.tfl");
  Build({x, L"C:\\holiday.tfl"}, +1);  // forwards, only a list given first sets the position
  ExpectPosition(0, -1, x);
}

// Regression: a saved list that cannot be read leaves a defined position
// (its index 0, member -1) and is not remembered as the list to save over.
TEST_F(ListBuilding, UnreadableSavedListGivesDefinedPosition) {
  reader.files[L"C:\\good.tfl"] = {{L"C:\\s\\1.jpg"}, {0, 7, L"", L""}};
  Build({L"C:\\good.tfl", L"C:\\broken.tfl"}, -1);
  EXPECT_EQ(position.first, 1);  // after the good list's entry, index 0
  EXPECT_EQ(position.member, -1);
  EXPECT_EQ(tflFileName, L"C:\\good.tfl");
}
