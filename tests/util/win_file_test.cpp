// Windows-only behaviour of the file helpers, checked against Wine's real
// file system.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/geometry.h"
#include "util/text_file.h"
#include "util/win_handles.h"

using namespace tv;

static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(Rect, right) == offsetof(RECT, right));
static_assert(sizeof(Point) == sizeof(POINT) && offsetof(Point, y) == offsetof(POINT, y));

namespace {
UniqueFile OpenShared(const std::wstring& path, DWORD share) {
  return UniqueFile(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}
}  // namespace

TEST(WinTextFile, ReadsAFileAnotherProgramHasOpenForWriting) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"open.ini");
  ASSERT_TRUE(WriteTextFile(path, L"a=1"));
  UniqueFile other = OpenShared(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(other);
  TextFile file = ReadTextFile(path);
  EXPECT_EQ(file.status, FileStatus::Ok);
  EXPECT_EQ(file.text, L"a=1");
}

TEST(WinTextFile, ExclusivelyLockedFileIsUnreadableNotEmpty) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"locked.ini");
  ASSERT_TRUE(WriteTextFile(path, L"a=1"));
  UniqueFile other = OpenShared(path, 0);
  ASSERT_TRUE(other);
  EXPECT_EQ(ReadTextFile(path).status, FileStatus::Unreadable);
  KeyValueMap map;
  FileStatus status = FileStatus::Ok;
  EXPECT_FALSE(LoadKeyValueFile(map, path, &status));
  EXPECT_EQ(status, FileStatus::Unreadable);
}

TEST(WinTextFile, WriteWhileTheFileIsHeldFailsAndKeepsIt) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"held.ini");
  ASSERT_TRUE(WriteTextFile(path, L"old=1"));
  {
    UniqueFile other = OpenShared(path, FILE_SHARE_READ);  // no delete sharing: cannot be replaced
    ASSERT_TRUE(other);
    EXPECT_FALSE(WriteTextFile(path, L"new=2"));
  }
  EXPECT_EQ(ReadTextFile(path).text, L"old=1");
  // and no temporary is left beside it
  WIN32_FIND_DATAW found;
  UniqueFind search(::FindFirstFileW(folder.Join(L"*").c_str(), &found));
  int files = 0;
  if (search) do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (::FindNextFileW(search.get(), &found));
  EXPECT_EQ(files, 1);
}

TEST(WinTextFile, ReadOnlyFileReads) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"ro.ini");
  ASSERT_TRUE(WriteTextFile(path, L"a=1"));
  ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadTextFile(path).text, L"a=1");
}

TEST(WinTextFile, PathsBeyond260CharactersWork) {
  tvtest::TempFolder folder;
  std::wstring deep = folder.path();
  while (deep.size() < 300) {
    deep += L"\\" + std::wstring(60, L'd');
    ASSERT_TRUE(::CreateDirectoryW(ExtendedLengthPath(deep).c_str(), nullptr));
  }
  const std::wstring path = deep + L"\\settings.ini";
  ASSERT_TRUE(WriteTextFile(path, L"long=yes"));
  EXPECT_TRUE(IsExistingFile(path));
  EXPECT_TRUE(IsExistingFolder(deep));
  EXPECT_EQ(ReadTextFile(path).text, L"long=yes");
}

TEST(ExtendedLengthPath, PrefixesOnlyLongAbsolutePaths) {
  EXPECT_EQ(ExtendedLengthPath(L"C:\\short"), L"C:\\short");
  const std::wstring longLocal = L"C:\\" + std::wstring(300, L'a');
  EXPECT_EQ(ExtendedLengthPath(longLocal), L"\\\\?\\" + longLocal);
  const std::wstring longUnc = L"\\\\server\\share\\" + std::wstring(300, L'a');
  EXPECT_EQ(ExtendedLengthPath(longUnc), L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'a'));
  EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\" + longLocal), L"\\\\?\\" + longLocal);
}
