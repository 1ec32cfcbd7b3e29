// Shell, clipboard and drag-and-drop helpers against Wine's implementations.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "tests/support/temp_folder.h"
#include "util/clipboard.h"
#include "util/codepage.h"
#include "util/dropped_files.h"
#include "util/file_dialogs.h"
#include "util/file_system.h"
#include "util/shell_link.h"

using namespace tv;

TEST(Shortcut, CreatedShortcutResolvesToItsTarget) {
  tvtest::TempFolder folder;
  const std::wstring target = folder.WriteBytes(L"picture \x65E5.jpg", "jpeg");
  const std::wstring link = folder.Join(L"picture.lnk");
  ASSERT_TRUE(CreateShortcut(target, link, L"/instance"));
  ASSERT_TRUE(IsExistingFile(link));
  EXPECT_EQ(ResolveShortcut(link), target);
}

TEST(Shortcut, ShortcutToAFolderResolves) {
  tvtest::TempFolder folder;
  const std::wstring target = folder.MakeFolder(L"album");
  const std::wstring link = folder.Join(L"album.lnk");
  ASSERT_TRUE(CreateShortcut(target, link, L""));
  EXPECT_EQ(ResolveShortcut(link), target);
}

TEST(Shortcut, BrokenOrMissingLinkGivesEmptyText) {
  tvtest::TempFolder folder;
  EXPECT_EQ(ResolveShortcut(folder.Join(L"missing.lnk")), L"");
  const std::wstring garbage = folder.WriteBytes(L"garbage.lnk", "this is not a shell link");
  EXPECT_EQ(ResolveShortcut(garbage), L"");
  EXPECT_FALSE(CreateShortcut(folder.Join(L"x.jpg"), folder.Join(L"no\\such\\folder\\x.lnk"), L""));
}

TEST(Clipboard, TextRoundTrip) {
  const std::wstring text = L"C:\\Pictures\\\x65E5\x672C.jpg";
  ASSERT_TRUE(CopyTextToClipboard(text));
  EXPECT_EQ(ReadClipboardText(), text);
  ASSERT_TRUE(CopyTextToClipboard(L""));
  EXPECT_EQ(ReadClipboardText(), L"");
}

TEST(Clipboard, FileListWithDropEffect) {
  const std::vector<std::wstring> paths = {L"C:\\a\\one.jpg", L"C:\\b\\two \x65E5.png"};
  ASSERT_TRUE(PutFilesOnClipboard(paths, DropEffect::Move));
  DropEffect effect = DropEffect::Copy;
  EXPECT_EQ(ReadClipboardFiles(&effect), paths);
  EXPECT_EQ(effect, DropEffect::Move);
  ASSERT_TRUE(PutFilesOnClipboard(paths, DropEffect::Copy));
  EXPECT_EQ(ReadClipboardFiles(&effect), paths);
  EXPECT_EQ(effect, DropEffect::Copy);
}

namespace {
// The block a drop hands over: DROPFILES, then zero-terminated wide paths.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const auto& p : paths) list += p + L'\0';
  list += L'\0';
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * 2);
  auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * 2);
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}
}  // namespace

TEST(DroppedFiles, CollectsEveryPathInOrderIncludingLongOnes) {
  tvtest::TempFolder folder;
  const std::wstring longPath = L"C:\\" + std::wstring(400, L'x') + L".jpg";
  const std::wstring shortcut = folder.Join(L"plain.lnk");  // a shell shortcut, not a symbolic link
  std::vector<std::wstring> list = {L"already there"};
  const size_t count = CollectDroppedFiles(MakeDrop({L"C:\\a.jpg", longPath, shortcut}), list);
  EXPECT_EQ(count, 4u);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1], L"C:\\a.jpg");
  EXPECT_EQ(list[2], longPath);
  EXPECT_EQ(list[3], shortcut);
}

TEST(OpenDialogResult, OneFullPathOrFolderWithNames) {
  const wchar_t one[] = L"C:\\pics\\a.jpg\0\0";
  EXPECT_EQ(SplitOpenDialogResult(one, std::size(one)), (std::vector<std::wstring>{L"C:\\pics\\a.jpg"}));
  const wchar_t many[] = L"C:\\pics\0a.jpg\0b.png\0\0";
  EXPECT_EQ(SplitOpenDialogResult(many, std::size(many)),
            (std::vector<std::wstring>{L"C:\\pics\\a.jpg", L"C:\\pics\\b.png"}));
  const wchar_t root[] = L"C:\\\0a.jpg\0b.png\0\0";
  EXPECT_EQ(SplitOpenDialogResult(root, std::size(root)),
            (std::vector<std::wstring>{L"C:\\a.jpg", L"C:\\b.png"}));
}

TEST(CodePage, AnsiAndUtf8RoundTrips) {
  EXPECT_EQ(NarrowToWide("plain ascii"), L"plain ascii");
  EXPECT_EQ(WideToNarrow(L"plain ascii", CP_ACP, 0), "plain ascii");
  EXPECT_EQ(NarrowToWide("\xE6\x97\xA5", CP_UTF8), L"\x65E5");
  EXPECT_EQ(WideToNarrow(L"\x65E5", CP_UTF8, 0), "\xE6\x97\xA5");
  EXPECT_EQ(NarrowToWide(""), L"");
}
