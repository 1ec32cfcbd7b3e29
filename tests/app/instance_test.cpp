// Instances under a real window: the file list file, creating an instance
// with its shortcuts, starting it the way its shortcut does, deleting it
// and uninstalling, in temporary application-data, desktop and "Send To"
// folders.
#include <windows.h>
#include <dlgs.h>

#include "menus/menu_ids.h"
#include "app/sibling_rules.h"
#include "tests/app/child_viewer.h"
#include "tests/app/viewer_fixture.h"
#include "tests/support/dialog_driver.h"
#include "util/file_system.h"
#include "util/shell_link.h"
#include "util/text_file.h"

namespace tvtest {
namespace {

class InstanceTest : public ViewerTest {
 protected:
  InstanceTest() {
    desktop_ = folder_.MakeFolder(L"desktop");
    sendTo_ = folder_.MakeFolder(L"sendto");
    settings_ = appData_ + L"\\taverlune";
  }
  // Answers the save dialog titled `title` with path.
  static DialogScript::Step SaveAs(std::wstring title, std::wstring path, std::wstring* proposed = nullptr) {
    return [=](HWND dialog) {
      if (TextOf(dialog) != title) return false;
      const int field = ::GetDlgItem(dialog, edt1) ? edt1 : cmb13;
      if (proposed) *proposed = ItemTextOf(dialog, field);
      SetEditText(dialog, field, path);
      PressButton(dialog, IDOK);
      return true;
    };
  }
  void WaitForExit() {
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(form_->Window()); }));
  }
  static bool Exists(const std::wstring& path) { return tv::IsExistingFile(path); }
  std::wstring Title() const {
    wchar_t text[256] = {};
    ::GetWindowTextW(form_->Window(), text, 256);
    return text;
  }
  static std::wstring ProgramPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
  }
  std::wstring desktop_, sendTo_, settings_;
};

TEST_F(InstanceTest, SaveFilelistWritesTheListWhereChosen) {
  WriteRedGreenBlue();
  Start({pictures_});
  const std::wstring tfl = folder_.Join(L"pictures.tfl");
  DialogScript script({SaveAs(L"Save tfl File", tfl)});
  Command(IDM_SAVE_FILELIST);
  EXPECT_TRUE(script.Finished());
  const std::wstring text = tv::ReadTextFile(tfl).text;
  for (const wchar_t* name : {L"a.png", L"b.png", L"c.png"}) EXPECT_NE(text.find(name), std::wstring::npos) << name;
  EXPECT_EQ(form_->RecordedMessages().back(), L"Image File List Saved.");
}

// Create, start by the shortcut's own arguments, delete: afterwards only the
// files the user made remain.
TEST_F(InstanceTest, CreateStartAndDeleteAnInstance) {
  Start({});
  const std::wstring foreignLink = desktop_ + L"\\mine.lnk", foreignNote = settings_ + L"\\notes.txt";
  ASSERT_TRUE(tv::CreateShortcut(ProgramPath(), foreignLink, L""));
  ASSERT_TRUE(tv::WriteTextFile(foreignNote, L"mine"));
  std::wstring proposed;
  DialogScript script({SaveAs(L"Save Ini File", folder_.Join(L"elsewhere.ini")),
                       SaveAs(L"Save Ini File", settings_ + L"\\taverlune.ini"),
                       SaveAs(L"Save Ini File", settings_ + L"\\work.ini"),
                       SaveAs(L"Create Shortcut", desktop_ + L"\\taverlune image viewer - work.lnk", &proposed)});
  Command(IDM_CREATE_INSTANCE);
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(proposed, L"taverlune image viewer - work.lnk");
  EXPECT_EQ(Title(), L"taverlune - work");
  const std::wstring link = desktop_ + L"\\taverlune image viewer - work.lnk", sendToLink = sendTo_ + L"\\taverlune work.lnk";
  EXPECT_TRUE(Exists(settings_ + L"\\work.ini"));
  EXPECT_TRUE(Exists(sendToLink));
  EXPECT_EQ(tv::ResolveShortcut(link), ProgramPath());
  const std::wstring arguments = tv::ShortcutArguments(link);
  ASSERT_EQ(arguments, L"\"/work\"");
  CloseWindow();

  int count = 0;
  LPWSTR* split = ::CommandLineToArgvW((L"x.exe " + arguments).c_str(), &count);
  ASSERT_EQ(count, 2);
  const std::wstring nameSwitch = split[1];
  ::LocalFree(split);
  Start({nameSwitch});
  EXPECT_EQ(Title(), L"taverlune - work");
  EXPECT_EQ(form_->CurrentSettings().ShortCutFileName, link);
  Command(IDM_DELETE_INSTANCE);
  WaitForExit();
  EXPECT_FALSE(Exists(settings_ + L"\\work.ini"));
  EXPECT_FALSE(Exists(link));
  EXPECT_FALSE(Exists(sendToLink));
  EXPECT_TRUE(Exists(settings_ + L"\\taverlune.ini"));
  EXPECT_TRUE(Exists(foreignLink));
  EXPECT_TRUE(Exists(foreignNote));
}

// The very first start offers the program's shortcuts, named for the default
// instance and without arguments; later starts do not ask again.
TEST_F(InstanceTest, FirstStartOffersTheProgramsShortcutsOnce) {
  offerFirstStartShortcut_ = true;
  const std::wstring link = desktop_ + L"\\taverlune image viewer.lnk";
  std::wstring proposed;
  {
    DialogScript script({Answer(IDOK, L"Information"), SaveAs(L"Create Shortcut", link, &proposed), Answer(IDYES)});
    Start({}, true);
    ASSERT_TRUE(script.Finished());
  }
  EXPECT_EQ(proposed, L"taverlune image viewer.lnk");
  EXPECT_EQ(tv::ResolveShortcut(link), ProgramPath());
  EXPECT_EQ(tv::ShortcutArguments(link), L"");
  EXPECT_TRUE(Exists(sendTo_ + L"\\taverlune image viewer.lnk"));
  CloseWindow();
  // Answers a repeated offer, so that a regression fails instead of hanging.
  DialogScript again({Answer(IDOK), Answer(IDCANCEL), Answer(IDNO)});
  Start({}, true);
  EXPECT_EQ(again.StepsDone(), 0u);
}

// Regression: Create Instance wrote over another instance's settings
// without asking.
TEST_F(InstanceTest, CreateInstanceAsksBeforeTakingAnExistingInstancesFile) {
  Start({}, true);
  const std::wstring other = settings_ + L"\\other.ini";
  ASSERT_TRUE(tv::WriteTextFile(other, L"[taverlune]\nSlideShow=0\n"));
  const std::wstring before = tv::ReadTextFile(other).text;
  const DialogScript::Step cancelSave = [](HWND dialog) {
    if (TextOf(dialog) != L"Save Ini File") return false;
    PressButton(dialog, IDCANCEL);
    return true;
  };
  DialogScript script(
      {Answer(IDOK, L"Information"), SaveAs(L"Save Ini File", other), Answer(IDNO, L"Confirmation"), cancelSave});
  Command(IDM_CREATE_INSTANCE);
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(tv::ReadTextFile(other).text, before);
  EXPECT_EQ(Title(), L"taverlune image viewer");
}

// A settings file may name any file as its shortcut; uninstall removes only
// shortcuts that start this program, and only its own ini files.
TEST_F(InstanceTest, UninstallRemovesOnlyItsOwnFiles) {
  Start({});
  CloseWindow();
  const std::wstring victim = desktop_ + L"\\holiday.jpg", foreignIni = settings_ + L"\\other.ini";
  ASSERT_TRUE(tv::WriteTextFile(victim, L"not a shortcut"));
  ASSERT_TRUE(tv::WriteTextFile(foreignIni, L"[other]\nkey=1\n"));
  ASSERT_TRUE(tv::WriteTextFile(settings_ + L"\\lure.ini", L"IniFileVersion=2\nShortCutFileName=" + victim + L"\n"));
  const std::wstring ownLink = desktop_ + L"\\taverlune image viewer - made.lnk";
  ASSERT_TRUE(tv::CreateShortcut(ProgramPath(), ownLink, L"\"/made\""));
  ASSERT_TRUE(tv::CreateShortcut(ProgramPath(), sendTo_ + L"\\taverlune made.lnk", L""));
  ASSERT_TRUE(tv::WriteTextFile(settings_ + L"\\made.ini", L"IniFileVersion=2\nShortCutFileName=" + ownLink +
                                                                L"\nCreateSendToLink=true\n"));
  ASSERT_TRUE(tv::WriteTextFile(settings_ + L"\\made.ini.bak", L"unusable"));
  Start({L"/:uninstall"});
  WaitForExit();
  for (const wchar_t* gone : {L"\\taverlune.ini", L"\\lure.ini", L"\\made.ini", L"\\made.ini.bak"})
    EXPECT_FALSE(Exists(settings_ + gone)) << gone;
  EXPECT_FALSE(Exists(ownLink));
  EXPECT_FALSE(Exists(sendTo_ + L"\\taverlune made.lnk"));
  EXPECT_TRUE(Exists(victim));
  EXPECT_TRUE(Exists(foreignIni));
  EXPECT_NE(form_->RecordedMessages().back().find(ownLink), std::wstring::npos);
}

// Regression: another running window wrote its settings back when it closed
// after an uninstall, so the uninstall was undone.
TEST_F(InstanceTest, UninstallStopsTheOtherRunningWindowsFromSavingAgain) {
  WriteRedGreenBlue();
  const ScopedLocalAppData sameSettings(appData_);
  const auto other = StartViewerProcess(L"/other " + tv::QuoteArgument(pictures_));
  ASSERT_TRUE(other);
  const std::wstring otherIni = settings_ + L"\\other.ini";
  ASSERT_TRUE(PumpUntil([&] { return other->Window() && Exists(otherIni); }, 20000));
  Start({L"/:uninstall"});
  WaitForExit();
  ASSERT_FALSE(Exists(otherIni));
  ::SendMessageTimeoutW(other->Window(), WM_CLOSE, 0, 0, SMTO_NORMAL, 20000, nullptr);
  EXPECT_EQ(::WaitForSingleObject(other->process.get(), 20000), WAIT_OBJECT_0);
  EXPECT_FALSE(Exists(otherIni));
  EXPECT_FALSE(tv::IsExistingFolder(settings_));
}

}  // namespace
}  // namespace tvtest
