// File, shell, clipboard and drag-and-drop helpers against Wine's real implementations.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>


#include "tests/support/drop_block.h"
#include "tests/support/temp_folder.h"
#include "util/clipboard.h"
#include "util/codepage.h"
#include "util/dropped_files.h"
#include "util/file_dialogs.h"
#include "util/file_system.h"
#include "util/geometry.h"
#include "util/shell_link.h"
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

bool Alive(HDROP drop) { return ::GlobalSize(drop) != 0; }
}  // namespace

TEST(WinTextFile, ReadsSharedAndReadOnlyFilesAndTellsLockedOnesApart) {
  tvtest::TempFolder folder;
  const std::wstring path = folder.Join(L"open.ini"), readOnly = folder.Join(L"ro.ini");
  ASSERT_TRUE(WriteTextFile(path, L"a=1"));
  ASSERT_TRUE(WriteTextFile(readOnly, L"b=2"));
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadTextFile(readOnly).text, L"b=2");
  {
    UniqueFile writer = OpenShared(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer);
    const TextFile file = ReadTextFile(path);
    EXPECT_EQ(file.status, FileStatus::Ok);
    EXPECT_EQ(file.text, L"a=1");
  }
  UniqueFile locker = OpenShared(path, 0);
  ASSERT_TRUE(locker);
  KeyValueMap map;
  FileStatus status = FileStatus::Ok;
  EXPECT_FALSE(LoadKeyValueFile(map, path, &status));
  EXPECT_EQ(status, FileStatus::Unreadable);  // not mistaken for an empty or missing file
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
  WIN32_FIND_DATAW found;
  UniqueFind search(::FindFirstFileW(folder.Join(L"held.ini*").c_str(), &found));
  ASSERT_TRUE(search);
  EXPECT_FALSE(::FindNextFileW(search.get(), &found));  // no temporary left beside it
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
  const std::wstring tail(300, L'a');
  EXPECT_EQ(ExtendedLengthPath(L"C:\\short"), L"C:\\short");
  EXPECT_EQ(ExtendedLengthPath(L"C:\\" + tail), L"\\\\?\\C:\\" + tail);
  EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\C:\\" + tail), L"\\\\?\\C:\\" + tail);
  EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\" + tail), L"\\\\?\\UNC\\server\\share\\" + tail);
}

TEST(Shortcut, ResolvesToANonAnsiTargetAndFailsCleanly) {
  tvtest::TempFolder folder;
  const std::wstring target = folder.WriteBytes(L"picture \x65E5.jpg", "jpeg");
  const std::wstring link = folder.Join(L"picture.lnk");
  ASSERT_TRUE(CreateShortcut(target, link, L"/instance"));
  EXPECT_EQ(ResolveShortcut(link), target);
  EXPECT_EQ(ResolveShortcut(folder.Join(L"missing.lnk")), L"");
  EXPECT_EQ(ResolveShortcut(folder.WriteBytes(L"garbage.lnk", "this is not a shell link")), L"");
  EXPECT_FALSE(CreateShortcut(target, folder.Join(L"no\\such\\folder\\x.lnk"), L""));
}

TEST(Clipboard, TextAndFileListsWithDropEffect) {
  const std::wstring text = L"C:\\Pictures\\\x65E5\x672C.jpg";
  ASSERT_TRUE(CopyTextToClipboard(text));
  EXPECT_EQ(ReadClipboardText(), text);
  const std::vector<std::wstring> paths = {L"C:\\a\\one.jpg", L"C:\\b\\two \x65E5.png"};
  for (DropEffect effect : {DropEffect::Move, DropEffect::Copy}) {
    ASSERT_TRUE(PutFilesOnClipboard(paths, effect));
    DropEffect read = effect == DropEffect::Move ? DropEffect::Copy : DropEffect::Move;
    EXPECT_EQ(ReadClipboardFiles(&read), paths);
    EXPECT_EQ(read, effect);
  }
}

// Collecting the paths finished the drop, and the window finished it again.
TEST(DroppedFiles, CollectingLeavesTheDropToItsOneOwner) {
  const std::wstring longPath = L"C:\\" + std::wstring(400, L'x') + L".jpg";
  const HDROP drop = tvtest::MakeDrop({L"C:\\a.jpg", longPath, L"C:\\plain.lnk"});
  ASSERT_NE(drop, nullptr);
  {
    const UniqueDrop owner(drop);
    std::vector<std::wstring> paths = {L"already there"};
    EXPECT_EQ(CollectDroppedFiles(owner.get(), paths), 4u);
    EXPECT_EQ(paths, (std::vector<std::wstring>{L"already there", L"C:\\a.jpg", longPath, L"C:\\plain.lnk"}));
    EXPECT_TRUE(Alive(drop)) << "finished before its owner let it go";
    paths.clear();  // reading it twice is harmless while it is held
    EXPECT_EQ(CollectDroppedFiles(owner.get(), paths), 3u);
  }
  EXPECT_FALSE(Alive(drop)) << "the owner did not finish it";
}

TEST(OpenDialogResult, OneFullPathOrFolderWithNamesAndCodePages) {
  const wchar_t one[] = L"C:\\pics\\a.jpg\0\0", many[] = L"C:\\pics\0a.jpg\0b.png\0\0", root[] = L"C:\\\0a.jpg\0\0";
  EXPECT_EQ(SplitOpenDialogResult(one, std::size(one)), (std::vector<std::wstring>{L"C:\\pics\\a.jpg"}));
  EXPECT_EQ(SplitOpenDialogResult(many, std::size(many)), (std::vector<std::wstring>{L"C:\\pics\\a.jpg", L"C:\\pics\\b.png"}));
  EXPECT_EQ(SplitOpenDialogResult(root, std::size(root)), (std::vector<std::wstring>{L"C:\\a.jpg"}));
  EXPECT_EQ(NarrowToWide(WideToNarrow(L"\x65E5", CP_UTF8, 0), CP_UTF8), L"\x65E5");
}
