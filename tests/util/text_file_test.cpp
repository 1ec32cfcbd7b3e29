#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "util/text_file.h"

using namespace tv;

namespace {
std::string Utf16(std::initializer_list<unsigned> units) {
  std::string bytes;
  for (unsigned u : units) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}
}  // namespace

TEST(TextFileBytes, DecodingRules) {
  // no byte-order mark: read from the first byte up to the last character
  EXPECT_EQ(DecodeTextFileBytes(Utf16({'a', '=', '1'})), L"a=1");
  EXPECT_EQ(DecodeTextFileBytes(Utf16({0xFEFF, 'a', '\r', '\n', 'b'})), L"a\nb");
  EXPECT_EQ(DecodeTextFileBytes(Utf16({0xFFFE, 'x'})), L"x");  // a swapped mark is skipped too
  EXPECT_EQ(DecodeTextFileBytes(Utf16({'x', 0xFEFF})), L"x\xFEFF");  // only a leading mark
  EXPECT_EQ(DecodeTextFileBytes(Utf16({'a', 'b'}) + "c"), L"ab");  // odd last byte ignored
  EXPECT_EQ(DecodeTextFileBytes(Utf16({'a', 0, 'b'})), std::wstring(L"a\0b", 3));  // NULs kept
  EXPECT_EQ(DecodeTextFileBytes(""), L"");
  EXPECT_EQ(DecodeTextFileBytes("z"), L"");
}

TEST(TextFileBytes, EncodingWritesMarkAndCrLf) {
  EXPECT_EQ(EncodeTextFileBytes(L"a\nb"), Utf16({0xFEFF, 'a', '\r', '\n', 'b'}));
  EXPECT_EQ(EncodeTextFileBytes(L""), Utf16({0xFEFF}));
  const std::wstring text = L"IniFileVersion=2\nName=\x65E5\x672C\n";
  EXPECT_EQ(DecodeTextFileBytes(EncodeTextFileBytes(text)), text);
}

TEST(TextFile, MissingEmptyAndWrittenFilesAreToldApart) {
  tvtest::TempFolder folder;
  TextFile missing = ReadTextFile(folder.Join(L"none.ini"));
  EXPECT_EQ(missing.status, FileStatus::Missing);
  folder.WriteBytes(L"empty.ini", "");
  TextFile empty = ReadTextFile(folder.Join(L"empty.ini"));
  EXPECT_EQ(empty.status, FileStatus::Ok);
  EXPECT_TRUE(empty.text.empty());

  const std::wstring path = folder.Join(L"new.ini");
  ASSERT_TRUE(WriteTextFile(path, L"a=1\nb=2=3"));
  EXPECT_EQ(tvtest::ReadAllBytes(path), EncodeTextFileBytes(L"a=1\nb=2=3"));
  KeyValueMap map;
  FileStatus status = FileStatus::Missing;
  ASSERT_TRUE(LoadKeyValueFile(map, path, &status));
  EXPECT_EQ(status, FileStatus::Ok);
  EXPECT_EQ(map.at(L"b"), L"2=3");
  KeyValueMap none;
  EXPECT_FALSE(LoadKeyValueFile(none, folder.Join(L"empty.ini"), &status));
  EXPECT_EQ(status, FileStatus::Ok);
}

TEST(TextFile, RewriteReplacesWholeFileAndLeavesNoTemporary) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"list.tfl");
  ASSERT_TRUE(WriteTextFile(path, std::wstring(5000, L'x')));
  ASSERT_TRUE(WriteTextFile(path, L"short"));
  EXPECT_EQ(ReadTextFile(path).text, L"short");
  EXPECT_FALSE(IsExistingFile(path + L".tmp~"));
}

TEST(TextFile, FailedWriteKeepsTheOldFile) {
  tvtest::TempFolder folder;
  // A folder stands where the file should go: the replacement step fails.
  const std::wstring blocked = folder.MakeFolder(L"blocked.ini");
  folder.WriteBytes(L"blocked.ini" + std::wstring(1, tvtest::Separator()) + L"inside", "keep");
  EXPECT_FALSE(WriteTextFile(blocked, L"new"));
  EXPECT_TRUE(IsExistingFolder(blocked));
  EXPECT_EQ(tvtest::ReadAllBytes(blocked + tvtest::Separator() + L"inside"), "keep");
  // A file inside a folder that does not exist: nothing is created.
  EXPECT_FALSE(WriteTextFile(folder.Join(L"no") + tvtest::Separator() + L"x.ini", L"x"));
}

TEST(TextFile, LargeLinesRoundTrip) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"big.ini");
  const std::wstring value(10'000'000, L'v');
  ASSERT_TRUE(WriteTextFile(path, L"k=" + value + L"\nz=1"));
  KeyValueMap map;
  ASSERT_TRUE(LoadKeyValueFile(map, path));
  EXPECT_EQ(map.at(L"k").size(), value.size());
  EXPECT_EQ(map.at(L"z"), L"1");
}
