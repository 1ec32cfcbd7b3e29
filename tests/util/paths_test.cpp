#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/text_file.h"

using namespace tv;

TEST(PathHelpers, SplitOnBackslashThenSlash) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {FileNameOf(L"C:\\a\\b.jpg"), L"b.jpg"},          {FileNameOf(L"a/b\\c"), L"c"},
      {FolderOf(L"a/b"), L"a"},                          {FolderOf(L"plain"), L""},
      {ExtensionOf(L"C:\\ver.2\\readme"), L".2\\readme"}, {ExtensionOf(L"C:\\dir\\readme"), L"C:\\dir\\readme"},
      {PathTail(L"C:\\a\\b\\c.jpg", 1), L"b\\c.jpg"},     {PathTail(L"C:\\a\\b\\c.jpg", 5), L"C:\\a\\b\\c.jpg"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
  EXPECT_EQ(FindForbiddenChar(L"ok name\"quoted\".jpg"), -1);  // the double quote is allowed
  EXPECT_EQ(FindForbiddenChar(L"it's"), 2);
}

TEST(MakeUniqueName, CountsUpAndNeverCutsTheStemAway) {
  tvtest::TempFolder folder;
  for (const wchar_t* name : {L"photo.jpg", L"photo (1).jpg", L"(3).png", L"a(3).png"}) folder.WriteBytes(name, "x");
  folder.MakeFolder(L"album");
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"new.jpg", L"new.jpg"},
      {L"photo.jpg", L"photo (2).jpg"},
      {L"photo (1).jpg", L"photo (2).jpg"},  // continues the numbering of its base name
      {L"album", L"album"},                  // a folder does not take the name
      {L"(3).png", L"(3) (1).png"},
      {L"shot_(12).png", L"shot.png"},
      {L"a(3).png", L"a(3) (1).png"},  // Regression: the stem was cut to nothing, naming the copy ".png"
      {L"x ().png", L"x ().png"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(MakeUniqueName(folder.Join(name)), folder.Join(expected)) << name;
}

namespace {
std::string Utf16(std::initializer_list<unsigned> units) {
  std::string bytes;
  for (unsigned u : units) bytes += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
  return bytes;
}
}  // namespace

TEST(TextFileBytes, DecodingAndEncodingRules) {
  const std::pair<std::string, std::wstring> cases[] = {
      {Utf16({'a', '=', '1'}), L"a=1"},
      {Utf16({0xFEFF, 'a', '\r', '\n', 'b'}), L"a\nb"},
      {Utf16({0xFFFE, 'x'}), L"x"},                        // a swapped mark is skipped too
      {Utf16({'x', 0xFEFF}), L"x\xFEFF"},                  // only a leading mark
      {Utf16({'a', 'b'}) + "c", L"ab"},                    // odd last byte ignored
      {Utf16({'a', 0, 'b'}), std::wstring(L"a\0b", 3)},  // NULs kept
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeTextFileBytes(bytes), text);
  EXPECT_EQ(EncodeTextFileBytes(L"a\nb"), Utf16({0xFEFF, 'a', '\r', '\n', 'b'}));
}

TEST(TextFile, MissingEmptyAndWrittenFilesAreToldApart) {
  tvtest::TempFolder folder;
  EXPECT_EQ(ReadTextFile(folder.Join(L"none.ini")).status, FileStatus::Missing);
  const TextFile empty = ReadTextFile(folder.WriteBytes(L"empty.ini", ""));
  EXPECT_EQ(empty.status, FileStatus::Ok);
  EXPECT_TRUE(empty.text.empty());
  const std::wstring path = folder.Join(L"new.ini"), value(10'000'000, L'v');
  ASSERT_TRUE(WriteTextFile(path, value + value));
  ASSERT_TRUE(WriteTextFile(path, L"k=" + value + L"\nb=2=3"));  // shorter than before: no old tail left
  KeyValueMap map;
  FileStatus status = FileStatus::Missing;
  ASSERT_TRUE(LoadKeyValueFile(map, path, &status));
  EXPECT_EQ(status, FileStatus::Ok);
  EXPECT_EQ(map, (KeyValueMap{{L"k", value}, {L"b", L"2=3"}}));
  EXPECT_FALSE(IsExistingFile(path + L".tmp~"));
}

TEST(TextFile, FailedWriteKeepsTheOldFile) {
  tvtest::TempFolder folder;
  // A folder stands where the file should go: the replacement step fails.
  const std::wstring blocked = folder.MakeFolder(L"blocked.ini");
  folder.WriteBytes(L"blocked.ini" + std::wstring(1, tvtest::Separator()) + L"inside", "keep");
  EXPECT_FALSE(WriteTextFile(blocked, L"new"));
  EXPECT_EQ(tvtest::ReadAllBytes(blocked + tvtest::Separator() + L"inside"), "keep");
  EXPECT_FALSE(WriteTextFile(folder.Join(L"no") + tvtest::Separator() + L"x.ini", L"x"));
}
