#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "settings/list_lines.h"
#include "tests/settings/key_value_helpers.h"
#include "tests/settings/recording_host.h"
#include "util/text.h"

using namespace tv;
using tvtest::MapOf;

namespace {

ImageList Read(const std::wstring& text, const ListReadOptions& options = {}) {
  ImageList list;
  ReadListLines(list, MapOf(text), options);
  return list;
}

bool SameEntries(const ImageList& a, const ImageList& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].path != b[i].path || a[i].time != b[i].time || a[i].size != b[i].size ||
        a[i].rotation != b[i].rotation || !SameEntries(a[i].members, b[i].members))
      return false;
  }
  return true;
}

}  // namespace

TEST(ListLines, EmptyListAppendsNothing) {
  std::wstring text = L"head\n";
  EXPECT_FALSE(WriteListLines(text, {}));
  EXPECT_EQ(text, L"head\n");
}

TEST(ListLines, ExactLinesForPlainEntriesAndArchives) {
  ImageEntry zip{L"C:\\Pictures\\b.zip", 1500, 90, -1, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.png", 2001, 801, 2, {}}};
  const ImageList list{{L"C:\\Pictures\\a.jpg", 1000, 500, -1, {}}, zip};
  std::wstring text;
  ASSERT_TRUE(WriteListLines(text, list));
  EXPECT_EQ(text,
            L"FileList0=Name=C:\\Pictures\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"
            L"FileList1=Name=C:\\Pictures\\b.zip\tTime=1500\tSize=90\tRotate=-1\n"
            L"Archive0=C:\\Pictures\\a.jpg\n"
            L"Archive1=C:\\Pictures\\b.zip\n"
            L"ArchiveList1-0=Name=img\\001.png\tTime=2000\tSize=800\tRotate=0\n"
            L"ArchiveList1-1=Name=img\\002.png\tTime=2001\tSize=801\tRotate=2\n");
  EXPECT_TRUE(SameEntries(Read(text), list));
}

TEST(ListLines, NumbersSurviveInFull) {
  const ImageList list{
      {L"after 2038", 4102444800, 0, 0, {}},
      {L"before 1970", -86400, 4294967295u, 1, {}},
      {L"extremes", std::numeric_limits<std::int64_t>::max(), 1, 3, {}},
      {L"lowest", std::numeric_limits<std::int64_t>::min(), 2, -1, {}},
  };
  std::wstring text;
  ASSERT_TRUE(WriteListLines(text, list));
  EXPECT_NE(text.find(L"Time=4102444800\t"), std::wstring::npos);
  EXPECT_TRUE(SameEntries(Read(text), list));
}

TEST(ListLines, FieldsAreFoundOnlyAtRecordStartOrAfterTab) {
  EXPECT_EQ(RecordField(L"Name=C:\\Size=2\\a.jpg\tTime=5\tSize=7\tRotate=1", L"Size"), L"7");
  EXPECT_EQ(RecordField(L"Name=C:\\x\\Time=9\tTime=5\tSize=7\tRotate=1", L"Time"), L"5");
  EXPECT_EQ(RecordField(L"Name=C:\\Rotate=3\tTime=5\tSize=7\tRotate=1", L"Rotate"), L"1");
  EXPECT_EQ(RecordField(L"Name=a\tXTime=3\tTime=4", L"Time"), L"4");
  EXPECT_EQ(RecordField(L"Name=a\tTime=\tSize=1", L"Time"), L"");
  EXPECT_EQ(RecordField(L"Name=a", L"Size"), L"");
  EXPECT_EQ(RecordField(L"", L"Name"), L"");
  EXPECT_EQ(RecordField(L"Name=a=b", L"Name"), L"a=b");

  const ImageEntry e = EntryFromRecord(L"Name=D:\\Time=1\\Size=2\\Rotate=3\\p.jpg\tTime=10\tSize=20\tRotate=2");
  EXPECT_EQ(e.path, L"D:\\Time=1\\Size=2\\Rotate=3\\p.jpg");
  EXPECT_EQ(e.time, 10);
  EXPECT_EQ(e.size, 20u);
  EXPECT_EQ(e.rotation, 2);
}

TEST(ListLines, OddRecordsReadSafely) {
  ImageEntry e = EntryFromRecord(L"Name=x\tTime=1");  // fields missing read as 0
  EXPECT_EQ(e.size, 0u);
  EXPECT_EQ(e.rotation, 0);
  e = EntryFromRecord(L"Name=x\tRotate=7\tSize=4294967297");
  EXPECT_EQ(e.rotation, -1);  // no rotation code: unknown
  EXPECT_EQ(e.size, 1u);      // low 32 bits
  e = EntryFromRecord(L"Time=5\tRotate=-9");
  EXPECT_EQ(e.path, L"");
  EXPECT_EQ(e.rotation, -1);
}

TEST(ListLines, PathsThatCannotBeStoredAreLeftOutWithoutGaps) {
  ImageEntry zip{L"C:\\b.zip", 0, 0, 0, {}};
  zip.members = {{L"bad\nArchive9=x", 0, 0, 0, {}}, {L"good.png", 0, 0, 0, {}}};
  const ImageList list{{L"C:\\a\tTime=9.jpg", 0, 0, 0, {}}, {L"C:\\evil\r\nPluginPath0=x", 0, 0, 0, {}}, zip};
  std::wstring text;
  ASSERT_TRUE(WriteListLines(text, list));
  EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
  EXPECT_EQ(text.find(L"PluginPath"), std::wstring::npos);
  const ImageList read = Read(text);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].path, L"C:\\b.zip");
  ASSERT_EQ(read[0].members.size(), 1u);
  EXPECT_EQ(read[0].members[0].path, L"good.png");
}

TEST(ListLines, ArchiveLinesAttachToTheFirstEntryWithThatPath) {
  const std::wstring text =
      L"FileList0=Name=z.zip\tTime=0\tSize=0\tRotate=0\n"
      L"FileList1=Name=a.jpg\tTime=0\tSize=0\tRotate=0\n"
      L"FileList2=Name=z.zip\tTime=0\tSize=0\tRotate=0\n"
      L"Archive0=z.zip\nArchiveList0-0=Name=m0\tTime=0\tSize=0\tRotate=0\n"
      L"Archive1=a.jpg\n"
      L"Archive2=z.zip\nArchiveList2-0=Name=m0\tTime=0\tSize=0\tRotate=0\n"
      L"Archive3=unknown.zip\nArchiveList3-0=Name=lost\tTime=0\tSize=0\tRotate=0\n";
  const ImageList list = Read(text);
  ASSERT_EQ(list.size(), 3u);
  ASSERT_EQ(list[0].members.size(), 1u);  // once, not twice
  EXPECT_TRUE(list[2].members.empty());
  EXPECT_TRUE(list[1].members.empty());
}

TEST(ListLines, ReadingAppendsAndLeavesEarlierEntriesAlone) {
  ImageList list{{L"z.zip", 1, 1, 1, {}}};
  ReadListLines(list,
                MapOf(L"FileList0=Name=z.zip\tTime=2\tSize=2\tRotate=2\nArchive0=z.zip\n"
                      L"ArchiveList0-0=Name=m\tTime=0\tSize=0\tRotate=0\n"),
                {});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0].members.empty());
  EXPECT_EQ(list[1].members.size(), 1u);
}

TEST(ListLines, FileMaskFiltersEntriesArchivesAndMembers) {
  const std::wstring text =
      L"FileList0=Name=a.jpg\tTime=0\tSize=0\tRotate=0\n"
      L"FileList1=Name=b.png\tTime=0\tSize=0\tRotate=0\n"
      L"FileList2=Name=c.zip\tTime=0\tSize=0\tRotate=0\n"
      L"Archive0=a.jpg\nArchive1=b.png\nArchive2=c.zip\n"
      L"ArchiveList2-0=Name=in.jpg\tTime=0\tSize=0\tRotate=0\n"
      L"ArchiveList2-1=Name=in.png\tTime=0\tSize=0\tRotate=0\n";
  ListReadOptions jpg;
  jpg.maskEnabled = true;
  jpg.mask = L"*.jpg";
  ImageList list = Read(text, jpg);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].path, L"a.jpg");

  ListReadOptions both = jpg;
  both.mask = L"*.jpg;*.zip";
  list = Read(text, both);
  ASSERT_EQ(list.size(), 2u);
  ASSERT_EQ(list[1].members.size(), 1u);
  EXPECT_EQ(list[1].members[0].path, L"in.jpg");

  ListReadOptions off = jpg;
  off.maskEnabled = false;
  EXPECT_EQ(Read(text, off).size(), 3u);
}

TEST(ListLines, EscapeEndsReadingAndKeepsWhatWasRead) {
  ImageList many;
  for (int i = 0; i < 1000; ++i) many.push_back({L"p" + DecimalInt(i), i, 0, 0, {}});
  std::wstring text;
  ASSERT_TRUE(WriteListLines(text, many));

  tvtest::RecordingHost host;
  host.cancelFromQuestion = 2;
  ListReadOptions options;
  options.cancelRequested = [&host] { return host.CancelRequested(); };
  const ImageList list = Read(text, options);
  EXPECT_GT(list.size(), 0u);
  EXPECT_LT(list.size(), many.size());
  EXPECT_TRUE(SameEntries(list, ImageList(many.begin(), many.begin() + static_cast<std::ptrdiff_t>(list.size()))));

  host.cancelQuestions = 0;
  host.cancelFromQuestion = 1;
  EXPECT_TRUE(Read(text, options).empty());
}
