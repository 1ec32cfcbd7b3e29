#include <gtest/gtest.h>

#include <string>

#include "settings/list_file.h"
#include "tests/settings/test_support.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text.h"
#include "util/text_file.h"

using namespace tv;
using tvtest::SampleList;

TEST(ListFile, OnePlainFileIsFiveHeaderLinesAndTwoListLines) {
  EXPECT_EQ(BuildListFileText({{L"C:\\a.jpg", 1000, 500, -1, {}}}, {0, -1, L"C:\\a.jpg", L""}),
            L"tflFileVersion=2\nShowIndex=0\nShowArchive=-1\nShowFileName=C:\\a.jpg\nShowArchiveName=\n"
            L"FileList0=Name=C:\\a.jpg\tTime=1000\tSize=500\tRotate=-1\nArchive0=C:\\a.jpg\n");
}

TEST(ListFile, SavedListReadsBackWithPositionAndNames) {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  const std::wstring path = folder.Join(L"all.tfl");
  ASSERT_TRUE(SaveListFile(path, SampleList(), {1, 1, L"img\\002.png", L"C:\\Pictures\\b.zip"}, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].textId, kListSavedTextId);
  EXPECT_EQ(host.messages[0].text, L"Image File List Saved.");
  EXPECT_EQ(host.messages[0].caption, L"Information");
  ImageList list;
  ListFilePosition position;
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  EXPECT_TRUE(tvtest::SameEntries(list, SampleList()));
  EXPECT_EQ(position.entryIndex, 1);
  EXPECT_EQ(position.memberIndex, 1);
  EXPECT_EQ(position.showFileName, L"img\\002.png");
  EXPECT_EQ(position.showArchiveName, L"C:\\Pictures\\b.zip");

  ASSERT_TRUE(WriteTextFile(path, L"tflFileVersion=2\nShowIndex=7\nShowArchive=-9\nFileList0=Name=a"));
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  EXPECT_EQ(list.size(), 4u);  // appended
  EXPECT_EQ(position.entryIndex, 7);
  EXPECT_EQ(position.memberIndex, -1);  // no archive: the entry itself
  EXPECT_EQ(position.showFileName, L"img\\002.png");  // names not given stay as they were
}

TEST(ListFile, EmptyListWritesAndShowsNothing) {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  EXPECT_FALSE(SaveListFile(folder.Join(L"empty.tfl"), {}, {}, host));
  EXPECT_FALSE(IsExistingFile(folder.Join(L"empty.tfl")));
  EXPECT_TRUE(host.messages.empty());
}

TEST(ListFile, FailedSaveIsReportedAsFailed) {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  const std::wstring path = folder.Join(L"no such folder") + tvtest::Separator() + L"x.tfl";
  EXPECT_FALSE(SaveListFile(path, SampleList(), {}, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, L"Failed");
  EXPECT_NE(host.messages[0].text.find(path), std::wstring::npos);
}

TEST(ListFile, SaveReplacesAnOlderListWhole) {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  const std::wstring path = folder.Join(L"all.tfl");
  const ImageList one{{L"only.jpg", 1, 1, 1, {}}};
  ASSERT_TRUE(SaveListFile(path, SampleList(), {}, host) && SaveListFile(path, one, {}, host));
  ImageList list;
  ListFilePosition position;
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  EXPECT_TRUE(tvtest::SameEntries(list, one));
}

TEST(ListFile, FilesOfOtherVersionsOrMissingAreRefused) {
  tvtest::TempFolder folder;
  const std::wstring v1 = folder.Join(L"v1.tfl"), none = folder.Join(L"none.tfl");
  ASSERT_TRUE(WriteTextFile(v1, L"tflFileVersion=1\nFileList0=Name=a"));
  ASSERT_TRUE(WriteTextFile(none, L"FileList0=Name=a"));
  const std::wstring garbage = folder.WriteBytes(L"garbage.tfl", std::string("\x00\x01\xFF\xFE", 4));
  for (const std::wstring& path : {v1, none, garbage, folder.Join(L"missing.tfl"), folder.path()}) {
    ImageList list{{L"earlier", 0, 0, 0, {}}};
    ListFilePosition position;
    position.entryIndex = 42;
    EXPECT_FALSE(LoadListFile(list, position, path, {})) << WideToUtf8(path);
    EXPECT_TRUE(list.size() == 1u && position.entryIndex == 42);
  }
}

TEST(ListFileReader, OpensTflFilesFollowingTheCurrentMask) {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  const std::wstring path = folder.Join(L"mixed.tfl");
  ASSERT_TRUE(SaveListFile(path, {{L"C:\\a.jpg", 0, 0, 0, {}}, {L"C:\\b.png", 0, 0, 0, {}}}, {1, -1, L"b", L""}, host));
  bool maskEnabled = false;
  const std::wstring mask = L"*.jpg";
  TflListFileReader tfl(maskEnabled, mask, host);
  ListFileReader& reader = tfl;
  ImageList list{{L"C:\\already.jpg", 0, 0, 0, {}}};
  ListFilePosition position;
  ASSERT_TRUE(reader.LoadListFile(list, position, path));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(position.entryIndex, 1);  // within the appended entries
  maskEnabled = true;
  list.clear();
  ASSERT_TRUE(reader.LoadListFile(list, position, path));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].path, L"C:\\a.jpg");
  EXPECT_FALSE(reader.LoadListFile(list, position, folder.Join(L"missing.tfl")));
  EXPECT_EQ(list.size(), 1u);
}
