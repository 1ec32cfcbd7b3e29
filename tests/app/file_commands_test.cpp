// The file commands on real files: what moves, what stays, and that a
// refused or cancelled operation leaves every file as it was.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "forms/form_ids.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/folder_snapshot.h"
#include "util/clipboard.h"
#include "util/file_system.h"
#include "util/text_file.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

constexpr std::uint32_t kGrey = 0xFF808080;
const std::wstring kAskOverwrite = L"The file has same name is already exists in destination folder.\nIt will be overwritten OK?";

long long RecycledCount() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  return SUCCEEDED(::SHQueryRecycleBinW(nullptr, &info)) ? info.i64NumItems : -1;
}

// Held open as another program might: not to be deleted or renamed meanwhile.
tv::UniqueFile Lock(const std::wstring& path) {
  tv::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(file);
  return file;
}

class FileCommandsTest : public ViewerTest {
 protected:
  // Opens the move menu with the M key and chooses the item moving to target.
  void MoveTo(const std::wstring& target, bool ctrl = false) {
    Press('M');
    const auto& targets = form_->MoveTargets();
    const auto found = std::find(targets.begin(), targets.end(), target);
    ASSERT_NE(found, targets.end()) << testing::PrintToString(target);
    HoldCtrl(ctrl);
    Command(IDM_MOVE_TARGET_FIRST + static_cast<int>(found - targets.begin()));
    HoldCtrl(false);
  }
  static void HoldCtrl(bool held) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = held ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
  std::wstring EntryPath(size_t i = 0) const { return form_->List().FileList().at(i).path; }
  std::wstring LastSaid() const { return form_->RecordedMessages().empty() ? L"" : form_->RecordedMessages().back(); }
  HWND ListBox() const { return ::GetDlgItem(form_->Window(), 1); }
};

TEST_F(FileCommandsTest, MoveIntoAFolderHoldingTheNameReplacesItOrNumbersWithCtrl) {
  for (const bool ctrl : {false, true}) {
    SCOPED_TRACE(ctrl ? "with Ctrl" : "without Ctrl");
    const std::wstring file = WritePicture(L"a.png", kGrey), within = ctrl ? L"pictures\\numbered" : L"pictures\\replaced";
    const std::string picture = ReadAllBytes(file);
    const std::wstring dest = folder_.MakeFolder(within);
    folder_.WriteBytes(within + L"\\a.png", "older");
    Start({file});
    const int menus = form_->MenusOpened();
    MoveTo(dest, ctrl);
    const std::wstring moved = dest + (ctrl ? L"\\a (1).png" : L"\\a.png");
    EXPECT_FALSE(tv::IsExistingFile(file));
    EXPECT_EQ(ReadAllBytes(moved), picture);
    EXPECT_EQ(ReadAllBytes(dest + L"\\a.png"), ctrl ? "older" : picture);
    EXPECT_EQ(form_->RecordedMessages(), ctrl ? std::vector<std::wstring>{} : std::vector{kAskOverwrite});
    EXPECT_EQ(EntryPath(), moved);
    EXPECT_EQ(form_->CurrentSettings().History.front(), moved);
    EXPECT_EQ(form_->CurrentSettings().LastMovedFolder, dest);
    EXPECT_EQ(form_->MenusOpened(), menus + 2) << "the menu opens again after a move";
    EXPECT_EQ(form_->MoveTargets().front(), dest) << "the folder moved to comes first";
  }
}

TEST_F(FileCommandsTest, MoveIntoANewFolderToTheParentAndRememberingAFolder) {
  const std::wstring sub = folder_.MakeFolder(L"pictures\\sub");
  folder_.MakeFolder(L"pictures\\sub\\old");
  WritePicture(L"sub\\x.png", kGrey);
  Start({sub + L"\\x.png"});
  HoldCtrl(true);  // Ctrl turns the menu key's popup menu into the move menu
  ::SendMessageW(form_->Window(), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  HoldCtrl(false);
  EXPECT_EQ(form_->MenusOpened(), 1);
  Command(IDM_MOVE_TARGET_FIRST + static_cast<int>(form_->MoveTargets().size()));  // past the last item: nothing
  MoveTo(L"?");
  EXPECT_EQ(form_->CurrentSettings().MovedFolder, std::vector<std::wstring>{sub});
  for (const wchar_t* name : {L"old", L"new"}) {
    DialogScript script({EnterText(IDC_INPUT_TEXT, name)});
    MoveTo(L"*");
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(form_->RecordedMessages(), std::vector<std::wstring>{L"This name folder already exists."});
  EXPECT_EQ(EntryPath(), sub + L"\\new\\x.png");
  MoveTo(L"??");
  EXPECT_TRUE(tv::IsExistingFile(sub + L"\\x.png"));
  EXPECT_EQ(EntryPath(), sub + L"\\x.png");
  EXPECT_EQ(form_->CurrentSettings().LastMovedFolder, sub);
}

// Regression: a rename the system refused was reported as done, and the
// list, the history and the names on display pointed where no file was.
TEST_F(FileCommandsTest, RenameKeepsTheExtensionAndRefusesWhatItCannotDo) {
  const std::wstring file = WritePicture(L"a.JPG", kGrey);
  folder_.WriteBytes(L"pictures\\taken.JPG", "taken");
  Start({file});
  struct Case {
    const wchar_t* name;
    bool lock;
    const wchar_t* said;  // null: "Failed" with the system's reason
  };
  for (const Case& c : {Case{L"x:y", false, L"x:y: is not allowd to use file name."},
                        Case{L"taken", false, L"A File has same name is already exists."}, Case{L"b", true, nullptr},
                        Case{L"b", false, L"Renamed."}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    const FolderSnapshot before = SnapshotOf(pictures_);
    {
      const tv::UniqueFile held = c.lock ? Lock(file) : tv::UniqueFile();
      DialogScript script({[&](HWND dialog) {
        EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_TEXT), L"a");
        return EnterText(IDC_INPUT_TEXT, c.name)(dialog);
      }});
      Press('N', tv::kCtrl);
      EXPECT_TRUE(script.Finished());
    }
    if (c.said) EXPECT_EQ(LastSaid(), c.said);
    else EXPECT_EQ(LastSaid().rfind(L"a.JPG\n", 0), 0u) << testing::PrintToString(LastSaid());
    const bool renamed = LastSaid() == L"Renamed.";
    EXPECT_EQ(SnapshotOf(pictures_) == before, !renamed);
    const std::wstring now = pictures_ + (renamed ? L"\\b.JPG" : L"\\a.JPG");
    EXPECT_EQ(EntryPath(), now);
    EXPECT_EQ(form_->PathOnDisplay(), now);
    EXPECT_EQ(form_->CurrentSettings().History.front(), now);
  }
}

// Regression: a destination naming the file itself in another letter case
// was taken for another file, which the overwrite then deleted.
TEST_F(FileCommandsTest, MoveOntoItselfUnderAnotherSpellingMovesNothing) {
  const std::wstring file = WritePicture(L"a.png", kGrey);
  std::wstring upper = pictures_;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::towupper);
  Start({});
  CloseWindow();
  ASSERT_TRUE(tv::WriteTextFile(IniPath(), tv::ReadTextFile(IniPath()).text + L"LastMovedFolder=" + upper + L"\n"));
  Start({file});
  const FolderSnapshot before = SnapshotOf(pictures_);
  MoveTo(upper);
  EXPECT_EQ(SnapshotOf(pictures_), before);
  EXPECT_EQ(EntryPath(), file);
  EXPECT_TRUE(form_->RecordedMessages().empty());
}

// Regression: refused moves were reported as done, with the list, the
// history and the last folder pointing where no file went; an overwrite
// deleted the destination before the move that then failed.
TEST_F(FileCommandsTest, MovesTheSystemRefusesLeaveEveryFileAndSaySo) {
  for (const bool lockSource : {true, false}) {  // else the same-named file in the destination is held
    const std::wstring file = WritePicture(L"a.png", kGrey);
    const std::wstring dest = folder_.MakeFolder(lockSource ? L"pictures\\empty" : L"pictures\\held");
    if (!lockSource) folder_.WriteBytes(L"pictures\\held\\a.png", "older");
    Start({file});
    const auto history = form_->CurrentSettings().History;
    const FolderSnapshot before = SnapshotOf(pictures_);
    {
      const tv::UniqueFile held = Lock(lockSource ? file : dest + L"\\a.png");
      MoveTo(dest);
    }
    EXPECT_EQ(SnapshotOf(pictures_), before);
    EXPECT_EQ(LastSaid().rfind(L"Failed to Move File.\n", 0), 0u) << testing::PrintToString(LastSaid());
    EXPECT_EQ(EntryPath(), file);
    EXPECT_EQ(form_->CurrentSettings().History, history);
    EXPECT_EQ(form_->CurrentSettings().LastMovedFolder, L"");
  }
}

// Regression: a folder of a thousand sub-folders gave move items ids from
// 35000 on, which ran history items instead.
TEST_F(FileCommandsTest, MoveItemsStopBeforeTheHistoryIds) {
  const std::wstring file = WritePicture(L"a.png", kGrey);
  for (int i = 0; i < 1000; ++i) folder_.MakeFolder(L"pictures\\f" + std::to_wstring(i));
  Start({file});
  Press('M');
  EXPECT_EQ(form_->MoveTargets().size(), 1000u);
  EXPECT_EQ(form_->MoveTargets().back(), L"*");
  const HMENU menu = form_->MoveMenu();
  UINT highest = 0;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    if (const UINT id = ::GetMenuItemID(menu, i); id != static_cast<UINT>(-1)) highest = std::max(highest, id);
  EXPECT_EQ(highest, static_cast<UINT>(IDM_HISTORY_FIRST - 1));
}

// Regression: a recycle stopped part-way removed entries whose files stayed.
TEST_F(FileCommandsTest, RecycleAsksAndRemovesOnlyWhatWent) {
  for (const wchar_t* name : {L"a.png", L"b.png", L"c.png", L"d.png", L"e.png"}) WritePicture(name, kGrey);
  Start({pictures_}, true);
  const long long bin = RecycledCount();
  const FolderSnapshot before = SnapshotOf(pictures_);
  for (const int answer : {IDNO, IDYES}) {
    DialogScript script({Answer(answer, L"Ask", L"pictures\\a.png\n will be moved to recycle folder, OK?")});
    Press(VK_DELETE, tv::kCtrl);
    EXPECT_TRUE(script.Finished());
    if (answer == IDNO) {
      EXPECT_EQ(SnapshotOf(pictures_), before);
    }
  }
  EXPECT_FALSE(tv::IsExistingFile(pictures_ + L"\\a.png"));
  EXPECT_EQ(Shown(), L"b.png");

  Press(VK_RETURN);
  ::SendMessageW(ListBox(), LB_SETSEL, TRUE, 1);  // c.png, with b.png the current entry
  {
    const tv::UniqueFile held = Lock(pictures_ + L"\\c.png");
    // The shell cannot recycle c.png and asks whether to delete it for good.
    DialogScript script({Answer(IDNO), Answer(IDOK, L"Failed", L"Delete failed.")});
    Press(VK_DELETE, tv::kCtrl | tv::kShift, ListBox());
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(ReadAllBytes(pictures_ + L"\\c.png"), before.at(L"c.png"));
  ::SendMessageW(ListBox(), LB_SETSEL, TRUE, 2);  // e.png, with c.png the current entry
  Press(VK_DELETE, tv::kCtrl | tv::kShift, ListBox());
  EXPECT_EQ(SnapshotOf(pictures_), (FolderSnapshot{{L"d.png", before.at(L"d.png")}}));
  ASSERT_EQ(form_->List().FileList().size(), 1u);
  EXPECT_EQ(EntryPath(), pictures_ + L"\\d.png");
  EXPECT_EQ(::SendMessageW(ListBox(), LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(RecycledCount(), bin + 4);
}

TEST_F(FileCommandsTest, DeleteOnlyShortensTheListAndPasteOnlyLengthensIt) {
  folder_.MakeFolder(L"pictures\\other");
  for (const wchar_t* name : {L"a.png", L"b.png", L"other\\c.png"}) WritePicture(name, kGrey);
  const std::wstring c = pictures_ + L"\\other\\c.png";
  Start({pictures_ + L"\\a.png", pictures_ + L"\\b.png"});
  const FolderSnapshot before = SnapshotOf(pictures_);
  Press(VK_DELETE);
  EXPECT_EQ(form_->List().FileList().size(), 1u);
  ASSERT_TRUE(tv::PutFilesOnClipboard({c}, tv::DropEffect::Move));
  Press('V', tv::kCtrl);
  ASSERT_EQ(form_->List().FileList().size(), 2u);
  EXPECT_EQ(EntryPath(1), c);
  EXPECT_EQ(form_->CurrentSettings().History.front(), c);
  EXPECT_EQ(SnapshotOf(pictures_), before);
}

// Regression: with nothing in the list the commands worked on entry -1.
TEST_F(FileCommandsTest, FileCommandsOnAnEmptyListDoNothing) {
  Start({});
  const DialogScript noDialog({Answer(IDCANCEL)});
  for (const int id : {IDM_FILE_COPY, IDM_FILE_CUT, IDM_FILE_RENAME, IDM_FILE_MOVE, IDM_MOVE_TO_RECYCLE,
                       IDM_OPEN_EXISTS_FOLDER, IDM_COPY_FILE_PATH})
    Command(id);
  for (const HWND target : {form_->Window(), ListBox()}) {
    for (const unsigned modifiers : {0u, 2u, 3u}) Press(VK_DELETE, modifiers, target);  // Del, Ctrl, Ctrl+Shift
    Press(VK_RETURN);
  }
  EXPECT_EQ(noDialog.StepsDone(), 0u) << "a dialog asked about no file";
  EXPECT_TRUE(form_->RecordedMessages().empty());
  EXPECT_EQ(form_->List().ShowIndex(), -1);
  EXPECT_EQ(form_->MoveTargets(), (std::vector<std::wstring>{L"?", L"*"}));
}

}  // namespace
}  // namespace tvtest
