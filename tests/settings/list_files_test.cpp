#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "settings/list_file.h"
#include "settings/list_lines.h"
#include "tests/settings/test_support.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text.h"
#include "util/text_file.h"

using namespace tv;
using tvtest::MapOf;
using tvtest::SameEntries;
using tvtest::SampleList;

namespace {

ImageList Read(const std::wstring& text, const ListReadOptions& options = {}) {
  ImageList list;
  ReadListLines(list, MapOf(text), options);
  return list;
}

std::wstring Written(const ImageList& list) {
  std::wstring text;
  EXPECT_EQ(WriteListLines(text, list), !list.empty());
  return text;
}

// A .tfl file in a temporary folder, and the window stand-in its messages go to.
struct Tfl {
  tvtest::TempFolder folder;
  tvtest::RecordingHost host;
  std::wstring path = folder.Join(L"all.tfl");
};

}  // namespace

// The whole file of one plain entry and one archive, byte for byte.
TEST(ListFile, ExactTextOfPositionEntriesAndArchives) {
  ImageEntry zip{L"C:\\b.zip", 1500, 90, -1, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.png", 2001, 801, 2, {}}};
  EXPECT_EQ(BuildListFileText({{L"C:\\a.jpg", 1000, 500, -1, {}}, zip}, {0, 1, L"img\\001.png", L"C:\\b.zip"}),
            L"tflFileVersion=2\nShowIndex=0\nShowArchive=1\nShowFileName=img\\001.png\nShowArchiveName=C:\\b.zip\n"
            L"FileList0=Name=C:\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"
            L"FileList1=Name=C:\\b.zip\tTime=1500\tSize=90\tRotate=-1\nArchive0=C:\\a.jpg\nArchive1=C:\\b.zip\n"
            L"ArchiveList1-0=Name=img\\001.png\tTime=2000\tSize=800\tRotate=0\n"
            L"ArchiveList1-1=Name=img\\002.png\tTime=2001\tSize=801\tRotate=2\n");
  EXPECT_EQ(Written({}), L"");
}

TEST(ListLines, EntriesAndArchivesRoundTripWithNumbersInFull) {
  ImageList list = SampleList();
  list.insert(list.end(), {{L"highest", std::numeric_limits<std::int64_t>::max(), 4294967295u, 3, {}},
                           {L"lowest", std::numeric_limits<std::int64_t>::min(), 2, -1, {}}});
  EXPECT_TRUE(SameEntries(Read(Written(list)), list));
}

TEST(ListLines, FieldsAreFoundOnlyAtRecordStartOrAfterTab) {
  EXPECT_EQ(RecordField(L"Name=a\tXTime=3\tTime=4", L"Time"), L"4");
  EXPECT_EQ(RecordField(L"Name=a=b", L"Name"), L"a=b");
  EXPECT_EQ(RecordField(L"Name=a", L"Size"), L"");
  using Fields = std::tuple<std::wstring, std::int64_t, std::uint32_t, int>;
  const std::pair<const wchar_t*, Fields> cases[] = {
      {L"Name=D:\\Size=2\\Time=1\\Rotate=3\\p.jpg\tTime=10\tSize=20\tRotate=2", {L"D:\\Size=2\\Time=1\\Rotate=3\\p.jpg", 10, 20, 2}},
      {L"Name=x\tTime=1", {L"x", 1, 0, 0}},             // missing fields read as 0
      {L"Rotate=7\tSize=4294967297", {L"", 0, 1, -1}},  // no rotation code: unknown; size: low 32 bits
  };
  for (const auto& [record, fields] : cases) {
    const ImageEntry e = EntryFromRecord(record);
    EXPECT_EQ(Fields(e.path, e.time, e.size, e.rotation), fields) << WideToUtf8(record);
  }
}

TEST(ListLines, PathsThatCannotBeStoredAreLeftOutWithoutGaps) {
  ImageEntry zip{L"C:\\b.zip", 0, 0, 0, {}};
  zip.members = {{L"bad\nArchive9=x", 0, 0, 0, {}}, {L"good.png", 0, 0, 0, {}}};
  const std::wstring text =
      Written({{L"C:\\a\tTime=9.jpg", 0, 0, 0, {}}, {L"C:\\evil\r\nPluginPath0=x", 0, 0, 0, {}}, zip});
  EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
  EXPECT_EQ(text.find(L"PluginPath"), std::wstring::npos);
  zip.members.erase(zip.members.begin());
  EXPECT_TRUE(SameEntries(Read(text), {zip}));
}

TEST(ListLines, ArchiveLinesAttachToTheFirstEntryWithThatPath) {
  const ImageEntry zip{L"z.zip", 0, 0, 0, {{L"m0", 0, 0, 0, {}}}};
  ImageList list{{L"z.zip", 1, 1, 1, {}}};  // read earlier: left alone
  ReadListLines(list, MapOf(Written({zip, {L"a.jpg", 0, 0, 0, {}}, zip}) + L"Archive3=u.zip\nArchiveList3-0=Name=x"), {});
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].members.size(), 1u);  // once, not twice
  for (size_t i : {0u, 2u, 3u}) EXPECT_TRUE(list[i].members.empty()) << i;
}

TEST(ListLines, FileMaskFiltersEntriesArchivesAndMembers) {
  const ImageEntry zip{L"c.zip", 0, 0, 0, {{L"in.jpg", 0, 0, 0, {}}, {L"in.png", 0, 0, 0, {}}}};
  const std::wstring text = Written({{L"a.jpg", 0, 0, 0, {}}, {L"b.png", 0, 0, 0, {}}, zip});
  ListReadOptions mask{true, L"*.jpg;*.zip", {}};
  const ImageList list = Read(text, mask);
  ASSERT_EQ(list.size(), 2u);
  ASSERT_EQ(list[1].members.size(), 1u);
  EXPECT_EQ(list[1].members[0].path, L"in.jpg");
  mask.maskEnabled = false;
  EXPECT_EQ(Read(text, mask).size(), 3u);
}

TEST(ListLines, EscapeEndsReadingAndKeepsWhatWasRead) {
  ImageList many;
  for (int i = 0; i < 1000; ++i) many.push_back({L"p" + DecimalInt(i), i, 0, 0, {}});
  const std::wstring text = Written(many);
  tvtest::RecordingHost host;
  const ListReadOptions options{false, L"", [&host] { return host.CancelRequested(); }};
  host.cancelFromQuestion = 2;
  const ImageList list = Read(text, options);
  EXPECT_GT(list.size(), 0u);
  many.resize(list.size());
  EXPECT_LT(list.size(), 1000u);
  EXPECT_TRUE(SameEntries(list, many));
  host.cancelQuestions = 0, host.cancelFromQuestion = 1;
  EXPECT_TRUE(Read(text, options).empty());
}

// Saved over a longer list: the older file is replaced whole, no lines of it left.
TEST(ListFile, SavedListReadsBackWithPositionAndNames) {
  Tfl t;
  ImageList longer = SampleList();
  longer.push_back({L"C:\\older.jpg", 1, 1, 1, {{L"m", 0, 0, 0, {}}}});
  ASSERT_TRUE(SaveListFile(t.path, longer, {}, t.host));
  ASSERT_TRUE(SaveListFile(t.path, SampleList(), {1, 1, L"img\\002.png", L"C:\\Pictures\\b.zip"}, t.host));
  ASSERT_EQ(t.host.messages.size(), 2u);
  EXPECT_EQ(t.host.messages[1].textId, kListSavedTextId);
  EXPECT_EQ(t.host.messages[1].text, L"Image File List Saved.");
  EXPECT_EQ(t.host.messages[1].caption, L"Information");
  ImageList list;
  ListFilePosition at;
  ASSERT_TRUE(LoadListFile(list, at, t.path, {}));
  EXPECT_TRUE(SameEntries(list, SampleList()));
  EXPECT_EQ(at.entryIndex, 1);
  EXPECT_EQ(at.memberIndex, 1);
  EXPECT_EQ(at.showFileName, L"img\\002.png");
  EXPECT_EQ(at.showArchiveName, L"C:\\Pictures\\b.zip");

  ASSERT_TRUE(WriteTextFile(t.path, L"tflFileVersion=2\nShowIndex=7\nShowArchive=-9\nFileList0=Name=a"));
  ASSERT_TRUE(LoadListFile(list, at, t.path, {}));
  EXPECT_EQ(list.size(), 4u);  // appended
  EXPECT_EQ(at.entryIndex, 7);
  EXPECT_EQ(at.memberIndex, -1);  // no archive: the entry itself
  EXPECT_EQ(at.showFileName, L"img\\002.png");  // names not given stay as they were
}

TEST(ListFile, FailedSaveIsReportedAsFailed) {
  Tfl t;
  const std::wstring path = t.folder.Join(L"no such folder") + tvtest::Separator() + L"x.tfl";
  EXPECT_FALSE(SaveListFile(path, SampleList(), {}, t.host));
  ASSERT_EQ(t.host.messages.size(), 1u);
  EXPECT_EQ(t.host.messages[0].caption, L"Failed");
  EXPECT_NE(t.host.messages[0].text.find(path), std::wstring::npos);
  EXPECT_FALSE(SaveListFile(t.path, {}, {}, t.host));  // an empty list: nothing written, nothing said
  EXPECT_FALSE(IsExistingFile(t.path));
  EXPECT_EQ(t.host.messages.size(), 1u);
}

TEST(ListFile, FilesOfOtherVersionsOrMissingAreRefused) {
  Tfl t;
  const std::wstring v1 = t.folder.Join(L"v1.tfl"), none = t.folder.Join(L"none.tfl");
  ASSERT_TRUE(WriteTextFile(v1, L"tflFileVersion=1\nFileList0=Name=a"));
  ASSERT_TRUE(WriteTextFile(none, L"FileList0=Name=a"));
  const std::wstring garbage = t.folder.WriteBytes(L"garbage.tfl", std::string("\x00\x01\xFF\xFE", 4));
  for (const std::wstring& path : {v1, none, garbage, t.path, t.folder.path()}) {
    ImageList list{{L"earlier", 0, 0, 0, {}}};
    ListFilePosition at{42, -1, L"", L""};
    EXPECT_FALSE(LoadListFile(list, at, path, {})) << WideToUtf8(path);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(at.entryIndex, 42);
  }
}

TEST(ListFileReader, OpensTflFilesFollowingTheCurrentMask) {
  Tfl t;
  ASSERT_TRUE(SaveListFile(t.path, {{L"C:\\a.jpg", 0, 0, 0, {}}, {L"C:\\b.png", 0, 0, 0, {}}}, {1, -1, L"", L""}, t.host));
  bool maskEnabled = false;
  const std::wstring mask = L"*.jpg";
  TflListFileReader tfl(maskEnabled, mask, t.host);
  ListFileReader& reader = tfl;
  ImageList list{{L"C:\\already.jpg", 0, 0, 0, {}}};
  ListFilePosition at;
  ASSERT_TRUE(reader.LoadListFile(list, at, t.path));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(at.entryIndex, 1);  // within the appended entries
  maskEnabled = true;  // a later change of the settings is followed
  list.clear();
  ASSERT_TRUE(reader.LoadListFile(list, at, t.path));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].path, L"C:\\a.jpg");
  EXPECT_FALSE(reader.LoadListFile(list, at, t.folder.Join(L"missing.tfl")));
  EXPECT_EQ(list.size(), 1u);
}
