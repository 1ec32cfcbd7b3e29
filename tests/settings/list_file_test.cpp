#include <gtest/gtest.h>

#include <string>

#include "settings/list_file.h"
#include "tests/settings/recording_host.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text.h"
#include "util/text_file.h"

using namespace tv;
using tvtest::RecordingHost;
using tvtest::TempFolder;

namespace {

ImageList SampleList() {
  ImageEntry zip{L"C:\\Pictures\\b.zip", 1700000000, 123456, -1, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.png", 4102444800, 801, 3, {}}};
  return {{L"C:\\Pictures\\a.jpg", 1000, 500, -1, {}}, zip, {L"C:\\Pictures\\c.webp", 3, 4, 1, {}}};
}

ShownPosition MemberShown() { return {1, 1, L"img\\002.png", L"C:\\Pictures\\b.zip"}; }

void ExpectSame(const ImageList& a, const ImageList& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i].path, b[i].path);
    EXPECT_EQ(a[i].time, b[i].time);
    EXPECT_EQ(a[i].size, b[i].size);
    EXPECT_EQ(a[i].rotation, b[i].rotation);
    ExpectSame(a[i].members, b[i].members);
  }
}

}  // namespace

TEST(ListFile, OnePlainFileIsFiveHeaderLinesAndTwoListLines) {
  const ImageList list{{L"C:\\Pictures\\a.jpg", 1000, 500, -1, {}}};
  EXPECT_EQ(BuildListFileText(list, {0, -1, L"C:\\Pictures\\a.jpg", L""}),
            L"tflFileVersion=2\nShowIndex=0\nShowArchive=-1\nShowFileName=C:\\Pictures\\a.jpg\n"
            L"ShowArchiveName=\nFileList0=Name=C:\\Pictures\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"
            L"Archive0=C:\\Pictures\\a.jpg\n");
}

TEST(ListFile, SavedListReadsBackWithPositionAndNames) {
  TempFolder folder;
  RecordingHost host;
  const std::wstring path = folder.Join(L"all.tfl");
  ASSERT_TRUE(SaveListFile(path, SampleList(), MemberShown(), host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].textId, kListSavedTextId);
  EXPECT_EQ(host.messages[0].text, L"Image File List Saved.");
  EXPECT_EQ(host.messages[0].caption, L"Information");
  EXPECT_EQ(tvtest::ReadAllBytes(path), EncodeTextFileBytes(BuildListFileText(SampleList(), MemberShown())));

  ImageList list;
  ListFilePosition position;
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  ExpectSame(list, SampleList());
  EXPECT_EQ(position.entryIndex, 1);   // the archive
  EXPECT_EQ(position.memberIndex, 1);  // its member
  EXPECT_EQ(position.showFileName, L"img\\002.png");
  EXPECT_EQ(position.showArchiveName, L"C:\\Pictures\\b.zip");
}

TEST(ListFile, PositionWithoutArchiveIsTheEntryItself) {
  TempFolder folder;
  const std::wstring path = folder.Join(L"plain.tfl");
  ASSERT_TRUE(WriteTextFile(path, L"tflFileVersion=2\nShowIndex=7\nShowArchive=-9\nFileList0=Name=a\tTime=0\tSize=0\tRotate=0"));
  ImageList list;
  ListFilePosition position;
  position.showFileName = L"kept";
  position.showArchiveName = L"kept too";
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  EXPECT_EQ(position.entryIndex, 7);
  EXPECT_EQ(position.memberIndex, -1);
  EXPECT_EQ(position.showFileName, L"kept");  // missing names leave them as they were
  EXPECT_EQ(position.showArchiveName, L"kept too");
  EXPECT_EQ(list.size(), 1u);
}

TEST(ListFile, EmptyListWritesAndShowsNothing) {
  TempFolder folder;
  RecordingHost host;
  const std::wstring path = folder.Join(L"empty.tfl");
  EXPECT_FALSE(SaveListFile(path, {}, {}, host));
  EXPECT_FALSE(IsExistingFile(path));
  EXPECT_TRUE(host.messages.empty());
}

TEST(ListFile, FailedSaveIsReportedAsFailed) {
  TempFolder folder;
  RecordingHost host;
  const std::wstring path = folder.Join(L"no such folder") + tvtest::Separator() + L"x.tfl";
  EXPECT_FALSE(SaveListFile(path, SampleList(), {}, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, L"Failed");
  EXPECT_NE(host.messages[0].text.find(path), std::wstring::npos);
  EXPECT_EQ(host.messages[0].text.find(L"Saved."), std::wstring::npos);
}

TEST(ListFile, SaveReplacesAnOlderListWhole) {
  TempFolder folder;
  RecordingHost host;
  const std::wstring path = folder.Join(L"all.tfl");
  ASSERT_TRUE(SaveListFile(path, SampleList(), {}, host));
  const ImageList one{{L"only.jpg", 1, 1, 1, {}}};
  ASSERT_TRUE(SaveListFile(path, one, {}, host));
  ImageList list;
  ListFilePosition position;
  ASSERT_TRUE(LoadListFile(list, position, path, {}));
  ExpectSame(list, one);
}

TEST(ListFile, FilesOfOtherVersionsOrMissingAreRefused) {
  TempFolder folder;
  const std::wstring v1 = folder.Join(L"v1.tfl");
  ASSERT_TRUE(WriteTextFile(v1, L"tflFileVersion=1\nFileList0=Name=a\tTime=0\tSize=0\tRotate=0"));
  const std::wstring none = folder.Join(L"none.tfl");
  ASSERT_TRUE(WriteTextFile(none, L"FileList0=Name=a\tTime=0\tSize=0\tRotate=0"));
  const std::wstring garbage = folder.WriteBytes(L"garbage.tfl", std::string("\x00\x01\xFF\xFE", 4));
  for (const std::wstring& path : {v1, none, garbage, folder.Join(L"missing.tfl"), folder.path()}) {
    SCOPED_TRACE(WideToUtf8(path));
    ImageList list{{L"earlier", 0, 0, 0, {}}};
    ListFilePosition position;
    position.entryIndex = 42;
    EXPECT_FALSE(LoadListFile(list, position, path, {}));
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(position.entryIndex, 42);
  }
}

TEST(ListFileReader, TheListBuilderOpensTflFilesThroughItsInterface) {
  TempFolder folder;
  RecordingHost host;
  const std::wstring path = folder.Join(L"mixed.tfl");
  const ImageList saved{{L"C:\\a.jpg", 0, 0, 0, {}}, {L"C:\\b.png", 0, 0, 0, {}}};
  ASSERT_TRUE(SaveListFile(path, saved, {1, -1, L"C:\\b.png", L""}, host));

  bool maskEnabled = false;
  std::wstring mask = L"*.jpg";
  TflListFileReader tfl(maskEnabled, mask, host);
  ListFileReader& reader = tfl;

  ImageList list{{L"C:\\already.jpg", 0, 0, 0, {}}};
  ListFilePosition position;
  ASSERT_TRUE(reader.LoadListFile(list, position, path));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2].path, L"C:\\b.png");
  EXPECT_EQ(position.entryIndex, 1);  // within the appended entries
  EXPECT_EQ(position.showFileName, L"C:\\b.png");

  maskEnabled = true;  // a later change of the settings is followed
  ImageList masked;
  ASSERT_TRUE(reader.LoadListFile(masked, position, path));
  ASSERT_EQ(masked.size(), 1u);
  EXPECT_EQ(masked[0].path, L"C:\\a.jpg");

  ImageList untouched{{L"x", 0, 0, 0, {}}};
  EXPECT_FALSE(reader.LoadListFile(untouched, position, folder.Join(L"missing.tfl")));
  EXPECT_EQ(untouched.size(), 1u);
}
