// Folder scans on real trees built in a temporary folder, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "filelist/file_entry.h"
#include "filelist/folder_scan_job.h"
#include "filelist/folder_scanner.h"
#include "tests/filelist/list_test_helpers.h"
#include "tests/support/temp_folder.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/text.h"

using namespace tv;
using tvtest::Paths;
using tvtest::Sorted;
using tvtest::Strings;

namespace {

ImageList Scan(const std::wstring& folder, bool recurse = true) {
  FolderScanner scanner;
  ImageList out;
  EXPECT_TRUE(scanner.ScanWithProgress(folder, out, recurse, false, L""));
  return out;
}

// Top\top.jpg, Top\mid\mid.jpg, Top\mid\deep\ .
struct LoopTree {
  tvtest::TempFolder temp;
  std::wstring top, mid;
  LoopTree() {
    for (const wchar_t* f : {L"Top", L"Top\\mid", L"Top\\mid\\deep"}) temp.MakeFolder(f);
    top = temp.WriteBytes(L"Top\\top.jpg", "1");
    mid = temp.WriteBytes(L"Top\\mid\\mid.jpg", "2");
  }
  bool DirectoryLink(const wchar_t* at, const wchar_t* to) {
    return ::CreateSymbolicLinkW(temp.Join(at).c_str(), temp.Join(to).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
  }
};

// The handles this process holds, from the system's handle list (Wine's
// GetProcessHandleCount always answers 0); -1 when the list cannot be had.
int OwnHandleCount() {
  struct Entry {
    ULONG process;
    BYTE type, flags;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
  };
  struct Table {
    ULONG count;
    Entry entries[1];
  };
  using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  constexpr int kSystemHandleInformation = 16;
  for (ULONG size = 1 << 20; size <= (1u << 28); size *= 4) {
    std::vector<std::uint64_t> buffer(size / sizeof(std::uint64_t));
    ULONG needed = 0;
    const LONG status = query(kSystemHandleInformation, buffer.data(), size, &needed);
    if (status == static_cast<LONG>(0xC0000004)) continue;  // the list outgrew the buffer
    if (status != 0) return -1;
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    int own = 0;
    for (ULONG i = 0; i < table->count; ++i) own += table->entries[i].process == ::GetCurrentProcessId();
    return own;
  }
  return -1;
}

}  // namespace

TEST(FolderScan, RecursesDepthFirstWithOwnFilesFirstAndRealFacts) {
  tvtest::TempFolder temp;
  for (const wchar_t* f : {L"sub", L"sub\\\x5199\x771F", L"empty"}) temp.MakeFolder(f);
  const std::wstring a = temp.WriteBytes(L"a.jpg", "aaaa");
  const std::wstring b = temp.WriteBytes(L"sub\\b.jpg", "bb");
  const std::wstring c = temp.WriteBytes(L"sub\\\x5199\x771F\\\xD83D\xDCF7.jpg", "c");  // a surrogate pair
  ASSERT_TRUE(::SetFileAttributesW(b.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
  const ImageList found = Scan(temp.path());
  EXPECT_EQ(Paths(found), (Strings{a, b, c}));
  for (const auto& e : found) {  // the enumeration's facts match a direct query
    EXPECT_EQ(e.time, EntryForFile(e.path).time);
    EXPECT_EQ(e.size, EntryForFile(e.path).size);
  }
  // Time is the creation time in whole seconds since 1970; size the byte count.
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExW(a.c_str(), GetFileExInfoStandard, &data));
  const auto ticks = (std::uint64_t(data.ftCreationTime.dwHighDateTime) << 32) | data.ftCreationTime.dwLowDateTime;
  EXPECT_EQ(found[0].time, std::int64_t(ticks / 10'000'000) - 11'644'473'600);
  EXPECT_EQ(found[0].size, 4u);
  EXPECT_EQ(Paths(Scan(temp.path(), false)), Strings{a});
  EXPECT_TRUE(Scan(temp.Join(L"empty")).empty());
  EXPECT_TRUE(Scan(temp.Join(L"no such folder")).empty());
  EXPECT_TRUE(Scan(a).empty());
  // A file gone between listing and query keeps its path with 0 and 0.
  ASSERT_TRUE(::DeleteFileW(a.c_str()));
  const ImageEntry gone = EntryForFile(a);
  EXPECT_EQ(gone.path, a);
  EXPECT_EQ(gone.time, 0);
  EXPECT_EQ(gone.size, 0u);
}

// Shortcuts to files add their targets, to folders recurse (only when the
// scan does). A file named again through a shortcut is added once, whether
// the shortcut comes before the file's own folder is listed or after it.
TEST(FolderScan, FileReachedDirectlyAndThroughShortcutIsAddedOnce) {
  tvtest::TempFolder temp;
  for (const wchar_t* f : {L"root", L"root\\sub", L"album"}) temp.MakeFolder(f);
  const std::wstring a = temp.WriteBytes(L"root\\a.jpg", "a");
  const std::wstring b = temp.WriteBytes(L"root\\sub\\b.jpg", "b");
  const std::wstring target = temp.WriteBytes(L"target.jpg", "t");
  const std::wstring inAlbum = temp.WriteBytes(L"album\\in album.jpg", "i");
  const std::wstring shout = temp.Join(L"root\\SHOUT.LNK");  // upper case: a plain file
  const std::pair<std::wstring, const wchar_t*> links[] = {
      {b, L"root\\to b.lnk"}, {a, L"root\\sub\\to a.lnk"}, {a, L"root\\to a.lnk"}, {target, L"root\\to file.lnk"},
      {temp.Join(L"album"), L"root\\to album.lnk"}, {target, L"root\\SHOUT.LNK"}};
  for (const auto& [to, at] : links) ASSERT_TRUE(CreateShortcut(to, temp.Join(at), L""));
  EXPECT_EQ(Sorted(Paths(Scan(temp.Join(L"root")))), Sorted({a, b, target, inAlbum, shout}));
  EXPECT_EQ(Sorted(Paths(Scan(temp.Join(L"root"), false))), Sorted({a, b, target, shout}));
}

// Regression: a shortcut back to an ancestor, met by another spelling than
// the one the scan came in by, must not be followed without end.
TEST(FolderScan, ShortcutBackToAncestorTerminates) {
  LoopTree tree;
  ASSERT_TRUE(CreateShortcut(tree.temp.Join(L"Top"), tree.temp.Join(L"Top\\mid\\back to top.lnk"), L""));
  ASSERT_TRUE(CreateShortcut(tree.temp.Join(L"Top\\mid"), tree.temp.Join(L"Top\\mid\\to myself.lnk"), L""));
  for (const wchar_t* start : {L"Top", L"TOP", L"Top\\"}) {
    const ImageList found = Scan(tree.temp.Join(start));
    ASSERT_EQ(found.size(), 2u) << start;
    EXPECT_EQ(FileNameOf(found[0].path), L"top.jpg");
    EXPECT_EQ(FileNameOf(found[1].path), L"mid.jpg");
  }
}

// Regression: the same loop through a directory symbolic link (what a
// junction is to the scan) must end too.
TEST(FolderScan, SymbolicLinkBackToAncestorTerminates) {
  LoopTree tree;
  if (!tree.DirectoryLink(L"Top\\mid\\loop", L"Top")) GTEST_SKIP() << "no directory links here";
  EXPECT_EQ(Scan(tree.temp.Join(L"Top")).size(), 2u);
}

// A link back to an ancestor the scan reached by plain listing (not the
// start folder) is recognised at once: nothing is listed twice under a
// longer path. The shortcut spells mid in another case.
TEST(FolderScan, LinksBackToAListedAncestorAreNotEntered) {
  LoopTree tree;
  const std::wstring deep = tree.temp.WriteBytes(L"Top\\mid\\deep\\deep.jpg", "3");
  if (!tree.DirectoryLink(L"Top\\mid\\deep\\loop", L"Top\\mid")) GTEST_SKIP() << "no directory links here";
  ASSERT_TRUE(CreateShortcut(tree.temp.Join(L"TOP\\MID"), tree.temp.Join(L"Top\\mid\\deep\\back.lnk"), L""));
  EXPECT_EQ(Paths(Scan(tree.temp.Join(L"Top"))), (Strings{tree.top, tree.mid, deep}));
}

// Regression: files deeper than 260 characters are listed with their whole
// path and their real size, not cut off or dropped.
TEST(FolderScan, PathsBeyond260CharactersAreListed) {
  tvtest::TempFolder temp;
  std::wstring relative;
  for (int level = 0; level < 5; ++level) {
    relative += (level ? L"\\" : L"") + std::wstring(60, L'd') + DecimalInt(level);
    temp.MakeFolder(relative);
  }
  const std::wstring deep = temp.WriteBytes(relative + L"\\" + std::wstring(100, L'f') + L".jpg", "12345");
  ASSERT_GT(deep.size(), 400u);
  const ImageList found = Scan(temp.path());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].path, deep);
  EXPECT_EQ(found[0].size, 5u);
  EXPECT_NE(found[0].time, 0);
  EXPECT_EQ(Paths(Scan(temp.Join(relative), false)), Strings{deep});  // a long start folder too
}

// Regression: each level's listing (a handle and its batch buffer) is closed
// before the scan descends, so a deep tree holds no handle per level.
TEST(FolderScan, DepthCostsNoHandlesWhileScanning) {
  constexpr int kDepth = 60;
  tvtest::TempFolder temp;
  std::wstring relative = L"d";
  for (int level = 0; level < kDepth; ++level, relative += L"\\d") {
    temp.MakeFolder(relative);
    temp.WriteBytes(relative + L"\\f.jpg", "x");
  }
  FolderScanJob job;
  job.Prepare(temp.path(), true, L"*.*");
  job.SetPollEscapeKey(false);
  std::vector<int> handleCounts;  // as each folder's listing begins
  job.SetListingStarted([&handleCounts](const std::wstring&) { handleCounts.push_back(OwnHandleCount()); });
  ASSERT_TRUE(job.Start());
  ASSERT_EQ(::WaitForSingleObject(job.Worker(), 60'000), WAIT_OBJECT_0);
  job.Finish();
  EXPECT_EQ(job.TakeResult().size(), size_t(kDepth));
  ASSERT_EQ(handleCounts.size(), size_t(kDepth + 1));  // the start folder and every level
  const auto [least, most] = std::minmax_element(handleCounts.begin(), handleCounts.end());
  EXPECT_GT(*least, 0);
  EXPECT_LE(*most - *least, 4);
}

namespace {

// Plays the progress form: starts the worker and polls it as the form's timer does.
struct PollingProgressHost : ScanProgressHost {
  FolderScanner* scanner = nullptr;
  std::vector<std::string> calls;
  Strings progressTexts;
  void BeginModal() override { calls.push_back("begin"); }
  void EndModal() override { calls.push_back("end"); }
  bool RunProgressForm(FolderScanJob& job) override {
    ImageList ignored;
    const bool nested = scanner->ScanWithProgress(job.StartFolder(), ignored, true, false, L"");
    calls.push_back("form " + WideToUtf8(job.Mask()) + (nested ? " nested" : ""));
    EXPECT_TRUE(job.Start());
    EXPECT_FALSE(job.Start());  // one worker at a time
    // As the form's timer does, but bounded: a scan that never ends fails here.
    const ULONGLONG deadline = ::GetTickCount64() + 60'000;
    while (!job.HasEnded() && ::GetTickCount64() < deadline) {
      progressTexts.push_back(job.CurrentFile());
      ::WaitForSingleObject(job.Worker(), 1);
    }
    EXPECT_TRUE(job.HasEnded());
    job.RequestStop();  // a no-op for a worker that ended; a short wait otherwise
    job.Finish();
    EXPECT_EQ(job.CurrentFile(), L"");  // the lock is gone with the worker
    return true;
  }
};

}  // namespace

TEST(FolderScanner, ProgressFormDrivesTheJobAndASecondScanIsRefused) {
  tvtest::TempFolder temp;
  Strings files;
  for (int i = 0; i < 300; ++i) files.push_back(temp.WriteBytes(L"f" + DecimalInt(i) + L".jpg", "x"));
  PollingProgressHost host;
  FolderScanner scanner(&host);
  host.scanner = &scanner;
  ImageList out = {ImageEntry{L"kept.jpg", 0, 0, -1, {}}};
  ASSERT_TRUE(scanner.ScanWithProgress(temp.path(), out, true, true, L"*.png"));
  ASSERT_EQ(out.size(), 301u);
  EXPECT_EQ(out[0].path, L"kept.jpg");  // appended after what was there
  for (const auto& text : host.progressTexts)
    EXPECT_TRUE(text == temp.path() || std::count(files.begin(), files.end(), text)) << WideToUtf8(text);
  EXPECT_FALSE(scanner.Busy());
  ImageList again;  // the job starts afresh, and without the mask enabled carries "*.*"
  ASSERT_TRUE(scanner.ScanWithProgress(temp.path(), again, true, false, L"*.png"));
  EXPECT_EQ(again.size(), 300u);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"begin", "form *.png", "end", "begin", "form *.*", "end"}));
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
    EXPECT_FALSE(job.CurrentFile().empty());  // lock and text were in place before the worker
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), job.Worker(), ::GetCurrentProcess(), &duplicate,
                                  SYNCHRONIZE, FALSE, 0));
  }
  UniqueHandle worker(duplicate);
  EXPECT_EQ(::WaitForSingleObject(worker.get(), 0), WAIT_OBJECT_0);
}
