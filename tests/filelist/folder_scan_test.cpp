// Folder scans on real trees built in a temporary folder, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/file_entry.h"
#include "filelist/folder_enumeration.h"
#include "filelist/folder_identity.h"
#include "filelist/folder_scan_job.h"
#include "filelist/folder_scanner.h"
#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/text.h"

using namespace tv;
using tvtest::Paths;

namespace {

std::vector<std::wstring> Sorted(std::vector<std::wstring> v) {
  std::sort(v.begin(), v.end());
  return v;
}

ImageList Scan(const std::wstring& folder, bool recurse) {
  FolderScanner scanner;
  ImageList out;
  EXPECT_TRUE(scanner.ScanWithProgress(folder, out, recurse, false, L""));
  return out;
}

// root\a.jpg, root\sub\b.jpg, root\sub\deeper\c.jpg, root\empty\ .
struct Tree {
  tvtest::TempFolder temp;
  std::wstring a, b, c;
  Tree() {
    temp.MakeFolder(L"sub");
    temp.MakeFolder(L"sub\\deeper");
    temp.MakeFolder(L"empty");
    a = temp.WriteBytes(L"a.jpg", "aaaa");
    b = temp.WriteBytes(L"sub\\b.jpg", "bb");
    c = temp.WriteBytes(L"sub\\deeper\\c.jpg", "c");
  }
};

}  // namespace

TEST(FolderScan, RecursionCollectsOwnFilesBeforeSubfolders) {
  Tree tree;
  const ImageList found = Scan(tree.temp.path(), true);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].path, tree.a);  // the folder's own files first
  EXPECT_EQ(Sorted(Paths(found)), Sorted({tree.a, tree.b, tree.c}));
  const auto b = std::find_if(found.begin(), found.end(), [&](const ImageEntry& e) { return e.path == tree.b; });
  const auto c = std::find_if(found.begin(), found.end(), [&](const ImageEntry& e) { return e.path == tree.c; });
  EXPECT_LT(b, c);  // depth first: sub's file before sub\deeper's
  for (const auto& e : found) {
    const ImageEntry queried = EntryForFile(e.path);  // the enumeration's facts match a direct query
    EXPECT_EQ(e.time, queried.time);
    EXPECT_EQ(e.size, queried.size);
    EXPECT_NE(e.time, 0);
    EXPECT_EQ(e.rotation, -1);
    EXPECT_TRUE(e.members.empty());
  }
  EXPECT_EQ(found[0].size, 4u);
}

TEST(FolderScan, WithoutRecursionOnlyDirectFiles) {
  Tree tree;
  EXPECT_EQ(Paths(Scan(tree.temp.path(), false)), std::vector<std::wstring>{tree.a});
}

TEST(FolderScan, EmptyMissingAndNonFolderStartsGiveNothing) {
  Tree tree;
  EXPECT_TRUE(Scan(tree.temp.Join(L"empty"), true).empty());
  EXPECT_TRUE(Scan(tree.temp.Join(L"no such folder"), true).empty());
  EXPECT_TRUE(Scan(tree.a, true).empty());  // a file cannot be enumerated as a folder
}

TEST(FolderScan, HiddenAndSystemFilesAreIncluded) {
  tvtest::TempFolder temp;
  const std::wstring hidden = temp.WriteBytes(L"hidden.jpg", "h");
  const std::wstring system = temp.WriteBytes(L"system.jpg", "s");
  ASSERT_TRUE(::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(::SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Sorted(Paths(Scan(temp.path(), true))), Sorted({hidden, system}));
}

TEST(FolderScan, NonAsciiNamesKeepTheirUnits) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"\x5199\x771F");
  const std::wstring jp = temp.WriteBytes(L"\x5199\x771F\\\x65E5\x672C.jpg", "x");
  const std::wstring emoji = temp.WriteBytes(L"\xD83D\xDCF7 camera.png", "y");  // a surrogate pair
  EXPECT_EQ(Sorted(Paths(Scan(temp.path(), true))), Sorted({jp, emoji}));
}

TEST(FolderScan, ShortcutsToFilesAddTargetsAndToFoldersRecurse) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"root");
  temp.MakeFolder(L"elsewhere");
  temp.MakeFolder(L"album");
  const std::wstring own = temp.WriteBytes(L"root\\own.jpg", "o");
  const std::wstring target = temp.WriteBytes(L"elsewhere\\target.jpg", "t");
  const std::wstring inAlbum = temp.WriteBytes(L"album\\in album.jpg", "i");
  ASSERT_TRUE(CreateShortcut(target, temp.Join(L"root\\to file.lnk"), L""));
  ASSERT_TRUE(CreateShortcut(temp.Join(L"album"), temp.Join(L"root\\to album.lnk"), L""));
  // The same file directly and through a shortcut is added once.
  ASSERT_TRUE(CreateShortcut(own, temp.Join(L"root\\to own.lnk"), L""));

  EXPECT_EQ(Sorted(Paths(Scan(temp.Join(L"root"), true))), Sorted({own, target, inAlbum}));
  // Without recursion a shortcut to a folder is not followed; one to a file is.
  EXPECT_EQ(Sorted(Paths(Scan(temp.Join(L"root"), false))), Sorted({own, target}));
}

// A file named again through a shortcut is added once, whether the shortcut
// comes before the file's own folder is listed or after it.
TEST(FolderScan, FileReachedDirectlyAndThroughShortcutIsAddedOnce) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"root");
  temp.MakeFolder(L"root\\sub");
  const std::wstring a = temp.WriteBytes(L"root\\a.jpg", "a");
  const std::wstring b = temp.WriteBytes(L"root\\sub\\b.jpg", "b");
  // Scanned before sub is listed: b arrives first through its shortcut.
  ASSERT_TRUE(CreateShortcut(b, temp.Join(L"root\\to b.lnk"), L""));
  // Scanned after root is listed: a is already known.
  ASSERT_TRUE(CreateShortcut(a, temp.Join(L"root\\sub\\to a.lnk"), L""));
  const ImageList found = Scan(temp.Join(L"root"), true);
  EXPECT_EQ(Sorted(Paths(found)), Sorted({a, b}));
}

TEST(FolderScan, UpperCaseLnkIsAPlainFile) {
  tvtest::TempFolder temp;
  const std::wstring target = temp.WriteBytes(L"t.jpg", "t");
  ASSERT_TRUE(CreateShortcut(target, temp.Join(L"SHOUT.LNK"), L""));
  EXPECT_EQ(Sorted(Paths(Scan(temp.path(), true))), Sorted({target, temp.Join(L"SHOUT.LNK")}));
}

// Regression: a shortcut back to an ancestor, met by another spelling than
// the one the scan came in by, must not be followed without end.
TEST(FolderScan, ShortcutBackToAncestorTerminates) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"Top");
  temp.MakeFolder(L"Top\\mid");
  temp.WriteBytes(L"Top\\top.jpg", "1");
  temp.WriteBytes(L"Top\\mid\\mid.jpg", "2");
  ASSERT_TRUE(CreateShortcut(temp.Join(L"Top"), temp.Join(L"Top\\mid\\back to top.lnk"), L""));
  ASSERT_TRUE(CreateShortcut(temp.Join(L"Top\\mid"), temp.Join(L"Top\\mid\\to myself.lnk"), L""));
  for (const std::wstring& start : {temp.Join(L"Top"), temp.Join(L"TOP"), temp.Join(L"Top\\")}) {
    const ImageList found = Scan(start, true);
    ASSERT_EQ(found.size(), 2u) << WideToUtf8(start);
    EXPECT_EQ(FileNameOf(found[0].path), L"top.jpg");
    EXPECT_EQ(FileNameOf(found[1].path), L"mid.jpg");
  }
}

// Regression: the same loop through a directory symbolic link (what a
// junction is to the scan) must end too.
TEST(FolderScan, SymbolicLinkBackToAncestorTerminates) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"Top");
  temp.MakeFolder(L"Top\\mid");
  temp.WriteBytes(L"Top\\mid\\mid.jpg", "2");
  const std::wstring link = temp.Join(L"Top\\mid\\loop");
  if (!::CreateSymbolicLinkW(link.c_str(), temp.Join(L"Top").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    GTEST_SKIP() << "this system cannot create directory links";
  const ImageList found = Scan(temp.Join(L"Top"), true);
  EXPECT_EQ(found.size(), 1u);
}

// A link back to an ancestor the scan reached by plain listing (not the
// start folder) must be recognised at once: the loop is not entered even
// one round, so nothing is listed twice under a longer path.
TEST(FolderScan, LinksBackToAListedAncestorAreNotEntered) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"Top");
  temp.MakeFolder(L"Top\\mid");
  temp.MakeFolder(L"Top\\mid\\deep");
  const std::wstring top = temp.WriteBytes(L"Top\\top.jpg", "1");
  const std::wstring mid = temp.WriteBytes(L"Top\\mid\\mid.jpg", "2");
  const std::wstring deep = temp.WriteBytes(L"Top\\mid\\deep\\deep.jpg", "3");
  const bool linked = ::CreateSymbolicLinkW(temp.Join(L"Top\\mid\\deep\\loop").c_str(), temp.Join(L"Top\\mid").c_str(),
                                            SYMBOLIC_LINK_FLAG_DIRECTORY);
  // The shortcut names the folder in another case, so only its identity
  // can tell it is mid again.
  ASSERT_TRUE(CreateShortcut(temp.Join(L"TOP\\MID"), temp.Join(L"Top\\mid\\deep\\back.lnk"), L""));
  EXPECT_EQ(Paths(Scan(temp.Join(L"Top"), true)), (std::vector<std::wstring>{top, mid, deep}))
      << (linked ? "with a symbolic link" : "shortcut only");
}

TEST(FolderIdentity, ListedSubfolderMatchesTheOpenedFolder) {
  tvtest::TempFolder temp;
  temp.MakeFolder(L"root");
  temp.MakeFolder(L"root\\one");
  temp.MakeFolder(L"root\\two");
  const std::wstring rootIdentity = FolderIdentity(temp.Join(L"root"));
  ASSERT_EQ(rootIdentity.rfind(L"id:", 0), 0u) << WideToUtf8(rootIdentity);
  std::vector<std::wstring> listed;
  FolderEnumeration items(temp.Join(L"root"));
  while (items.Next()) {
    ASSERT_TRUE(items.IsFolder());
    EXPECT_FALSE(items.IsReparsePoint());
    const std::wstring derived = SubfolderIdentity(rootIdentity, items.FileId());
    EXPECT_EQ(derived, FolderIdentity(items.ItemPath())) << WideToUtf8(items.ItemPath());
    listed.push_back(derived);
  }
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_NE(listed[0], listed[1]);
  EXPECT_NE(listed[0], rootIdentity);
}

TEST(FolderIdentity, SubfolderIdentityNeedsAVolumeAndAnIndex) {
  struct Case {
    const wchar_t* parent;
    std::uint64_t fileId;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"id:1A2B:FF", 0x10, L"id:1A2B:10"},
      {L"id:1A2B:FF", 0, L""},                 // the file system keeps no index
      {L"final:\\\\?\\C:\\x", 0x10, L""},  // the parent was named by path only
      {L"text:C:\\x", 0x10, L""},
  };
  for (const auto& c : cases) {
    const std::wstring got = SubfolderIdentity(c.parent, c.fileId);
    EXPECT_EQ(AsciiLower(got), AsciiLower(c.expected)) << WideToUtf8(c.parent);
  }
}

// Regression: files deeper than 260 characters are listed with their whole
// path and their real size, not cut off or dropped.
TEST(FolderScan, PathsBeyond260CharactersAreListed) {
  tvtest::TempFolder temp;
  std::wstring relative;
  const std::wstring part(60, L'd');
  for (int level = 0; level < 5; ++level) {
    relative += (level ? L"\\" : L"") + part + DecimalInt(level);
    temp.MakeFolder(relative);
  }
  const std::wstring deep = temp.WriteBytes(relative + L"\\" + std::wstring(100, L'f') + L".jpg", "12345");
  ASSERT_GT(deep.size(), 400u);
  ASSERT_TRUE(IsExistingFile(deep));
  const ImageList found = Scan(temp.path(), true);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].path, deep);
  EXPECT_EQ(found[0].size, 5u);
  EXPECT_NE(found[0].time, 0);
  // A long start folder works too.
  EXPECT_EQ(Paths(Scan(temp.Join(relative), false)), std::vector<std::wstring>{deep});
}

TEST(FileEntry, CreationTimeAndSizeComeFromTheFileSystem) {
  tvtest::TempFolder temp;
  const std::wstring path = temp.WriteBytes(L"dated.jpg", std::string(1000, 'x'));
  // Whatever creation time the file system keeps (Wine derives it from the
  // host's times), the entry must carry it in whole seconds since 1970.
  FILETIME created{};
  {
    UniqueFile file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
    ASSERT_TRUE(file);
    ASSERT_TRUE(::GetFileTime(file.get(), &created, nullptr, nullptr));
  }
  const unsigned long long createdTicks = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) |
                                          created.dwLowDateTime;
  const long long expected = static_cast<long long>(createdTicks / 10'000'000ull) - 11'644'473'600ll;
  ASSERT_GT(expected, 1'500'000'000);  // a file made today, not 0 or 1601
  const ImageEntry entry = EntryForFile(path);
  EXPECT_EQ(entry.path, path);
  EXPECT_EQ(entry.time, expected);
  EXPECT_EQ(entry.size, 1000u);
  EXPECT_EQ(entry.rotation, -1);

  // A file gone between listing and query keeps its path with 0 and 0.
  ASSERT_TRUE(::DeleteFileW(path.c_str()));
  const ImageEntry gone = EntryForFile(path);
  EXPECT_EQ(gone.path, path);
  EXPECT_EQ(gone.time, 0);
  EXPECT_EQ(gone.size, 0u);
}

namespace {

// Plays the progress form: starts the worker, polls it as the form's timer
// does, and records what it saw.
struct PollingProgressHost : ScanProgressHost {
  FolderScanner* scanner = nullptr;
  std::vector<std::string> calls;
  std::vector<std::wstring> progressTexts;
  bool nestedScanAccepted = true;
  std::wstring seenMask;

  void BeginModal() override { calls.push_back("begin"); }
  void EndModal() override { calls.push_back("end"); }
  void RunProgressForm(FolderScanJob& job) override {
    calls.push_back("form");
    seenMask = job.Mask();
    ImageList ignored;
    nestedScanAccepted = scanner->ScanWithProgress(job.StartFolder(), ignored, true, false, L"");
    EXPECT_TRUE(job.Start());
    EXPECT_FALSE(job.Start());  // one worker at a time
    while (!job.HasEnded()) {
      progressTexts.push_back(job.CurrentFile());
      ::Sleep(1);
    }
    progressTexts.push_back(job.CurrentFile());
    job.Finish();
    EXPECT_EQ(job.CurrentFile(), L"");  // the lock is gone with the worker
  }
};

}  // namespace

TEST(FolderScanner, ProgressFormDrivesTheJobAndASecondScanIsRefused) {
  tvtest::TempFolder temp;
  std::vector<std::wstring> files;
  for (int i = 0; i < 300; ++i) files.push_back(temp.WriteBytes(L"f" + DecimalInt(i) + L".jpg", "x"));
  PollingProgressHost host;
  FolderScanner scanner(&host);
  host.scanner = &scanner;
  ImageList out = {ImageEntry{L"kept.jpg", 0, 0, -1, {}}};
  ASSERT_TRUE(scanner.ScanWithProgress(temp.path(), out, true, true, L"*.png"));
  EXPECT_FALSE(host.nestedScanAccepted);
  EXPECT_EQ(host.seenMask, L"*.png");
  EXPECT_EQ(host.calls, (std::vector<std::string>{"begin", "form", "end"}));
  ASSERT_EQ(out.size(), 301u);
  EXPECT_EQ(out[0].path, L"kept.jpg");  // appended after what was there
  // Every progress text is the start folder or a file found.
  for (const auto& text : host.progressTexts)
    EXPECT_TRUE(text == temp.path() || std::find(files.begin(), files.end(), text) != files.end())
        << WideToUtf8(text);
  EXPECT_FALSE(scanner.Busy());

  // Without the mask enabled the job carries "*.*".
  ImageList again;
  ASSERT_TRUE(scanner.ScanWithProgress(temp.path(), again, true, false, L"*.png"));
  EXPECT_EQ(host.seenMask, L"*.*");
  EXPECT_EQ(again.size(), 300u);
}

// Regression: the job's lock lives from before the worker starts until after
// it has ended, even when the job is destroyed while the worker runs.
TEST(FolderScanJob, LockOutlivesTheWorkerEvenWhenDestroyedMidScan) {
  tvtest::TempFolder temp;
  for (int f = 0; f < 20; ++f) {
    temp.MakeFolder(L"d" + DecimalInt(f));
    for (int i = 0; i < 20; ++i) temp.WriteBytes(L"d" + DecimalInt(f) + L"\\f" + DecimalInt(i) + L".jpg", "x");
  }
  HANDLE duplicate = nullptr;
  {
    FolderScanJob job;
    job.Prepare(temp.path(), true, L"*.*");
    EXPECT_EQ(job.CurrentFile(), L"");  // no lock before the start
    ASSERT_TRUE(job.Start());
    // Readable at once: the lock and the text were in place before the worker.
    const std::wstring first = job.CurrentFile();
    EXPECT_FALSE(first.empty());
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), job.Worker(), ::GetCurrentProcess(), &duplicate,
                                  SYNCHRONIZE, FALSE, 0));
  }
  UniqueHandle worker(duplicate);
  EXPECT_EQ(::WaitForSingleObject(worker.get(), 0), WAIT_OBJECT_0);
}

TEST(FolderScanJob, RestartAfterStopScansAfresh) {
  tvtest::TempFolder temp;
  for (int i = 0; i < 50; ++i) temp.WriteBytes(L"f" + DecimalInt(i) + L".jpg", "x");
  FolderScanJob job;
  job.Prepare(temp.path(), true, L"*.*");
  ASSERT_TRUE(job.Start());
  job.RequestStop();
  job.Finish();
  const ImageList found = job.TakeResult();
  EXPECT_LE(found.size(), 50u);  // whatever was found before the stop
  EXPECT_TRUE(job.StopRequested());
  // A stopped job starts afresh, with emptied sets: the same files again.
  ASSERT_TRUE(job.Start());
  job.Finish();
  EXPECT_EQ(job.TakeResult().size(), 50u);
}
