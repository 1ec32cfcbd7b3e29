#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "settings/list_lines.h"
#include "tests/settings/test_support.h"
#include "util/text.h"

using namespace tv;
using tvtest::MapOf;
using tvtest::SameEntries;

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

}  // namespace

TEST(ListLines, ExactLinesForPlainEntriesAndArchives) {
  ImageEntry zip{L"C:\\b.zip", 1500, 90, -1, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.png", 2001, 801, 2, {}}};
  const ImageList list{{L"C:\\a.jpg", 1000, 500, -1, {}}, zip};
  EXPECT_EQ(Written(list),
            L"FileList0=Name=C:\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"
            L"FileList1=Name=C:\\b.zip\tTime=1500\tSize=90\tRotate=-1\nArchive0=C:\\a.jpg\nArchive1=C:\\b.zip\n"
            L"ArchiveList1-0=Name=img\\001.png\tTime=2000\tSize=800\tRotate=0\n"
            L"ArchiveList1-1=Name=img\\002.png\tTime=2001\tSize=801\tRotate=2\n");
  EXPECT_TRUE(SameEntries(Read(Written(list)), list));
  EXPECT_EQ(Written({}), L"");
}

TEST(ListLines, NumbersSurviveInFull) {
  const ImageList list{{L"after 2038", 4102444800, 0, 0, {}},
                       {L"before 1970", -86400, 4294967295u, 1, {}},
                       {L"highest", std::numeric_limits<std::int64_t>::max(), 1, 3, {}},
                       {L"lowest", std::numeric_limits<std::int64_t>::min(), 2, -1, {}}};
  EXPECT_TRUE(SameEntries(Read(Written(list)), list));
}

TEST(ListLines, FieldsAreFoundOnlyAtRecordStartOrAfterTab) {
  EXPECT_EQ(RecordField(L"Name=C:\\Size=2\\a.jpg\tTime=5\tSize=7", L"Size"), L"7");
  EXPECT_EQ(RecordField(L"Name=a\tXTime=3\tTime=4", L"Time"), L"4");
  EXPECT_EQ(RecordField(L"Name=a=b", L"Name"), L"a=b");
  EXPECT_EQ(RecordField(L"Name=a", L"Size"), L"");
  ImageEntry e = EntryFromRecord(L"Name=D:\\Time=1\\Rotate=3\\p.jpg\tTime=10\tSize=20\tRotate=2");
  EXPECT_EQ(e.path, L"D:\\Time=1\\Rotate=3\\p.jpg");
  EXPECT_TRUE(e.time == 10 && e.size == 20u && e.rotation == 2);
  e = EntryFromRecord(L"Name=x\tTime=1");  // missing fields read as 0
  EXPECT_TRUE(e.size == 0u && e.rotation == 0);
  e = EntryFromRecord(L"Rotate=7\tSize=4294967297");  // no rotation code: unknown; size: low 32 bits
  EXPECT_TRUE(e.path.empty() && e.rotation == -1 && e.size == 1u);
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
  const std::wstring record = L"\tTime=0\tSize=0\tRotate=0\n";
  ImageList list{{L"z.zip", 1, 1, 1, {}}};  // read earlier: left alone
  ReadListLines(list,
                MapOf(L"FileList0=Name=z.zip" + record + L"FileList1=Name=a.jpg" + record + L"FileList2=Name=z.zip" +
                      record + L"Archive0=z.zip\nArchiveList0-0=Name=m0" + record + L"Archive1=a.jpg\n" +
                      L"Archive2=z.zip\nArchiveList2-0=Name=m0" + record + L"Archive3=unknown.zip\n" +
                      L"ArchiveList3-0=Name=lost" + record),
                {});
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].members.size(), 1u);  // once, not twice
  EXPECT_TRUE(list[0].members.empty() && list[2].members.empty() && list[3].members.empty());
}

TEST(ListLines, FileMaskFiltersEntriesArchivesAndMembers) {
  const std::wstring record = L"\tTime=0\tSize=0\tRotate=0\n";
  const std::wstring text = L"FileList0=Name=a.jpg" + record + L"FileList1=Name=b.png" + record +
                            L"FileList2=Name=c.zip" + record + L"Archive0=a.jpg\nArchive1=b.png\nArchive2=c.zip\n" +
                            L"ArchiveList2-0=Name=in.jpg" + record + L"ArchiveList2-1=Name=in.png" + record;
  ListReadOptions mask{true, L"*.jpg;*.zip", {}};
  ImageList list = Read(text, mask);
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
