// The viewer as a user drives it: real window, real files, real keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "menus/menu_ids.h"
#include "settings/list_file.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/settings/test_support.h"
#include "tests/support/drop_block.h"
#include "tools/sample_files.h"
#include "util/file_system.h"
#include "util/text_file.h"
#include "util/win_handles.h"
#include "util/window_messages.h"

namespace tvtest {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kGrey = 0xFF808080;

struct Step {
  UINT key;
  unsigned modifiers;
  const wchar_t* shown;
};

TEST_F(ViewerTest, KeysStepThroughTheFolderAndWrap) {
  for (const wchar_t* name : {L"1.png", L"2.png", L"3.png", L"4.png", L"5.png"}) WritePicture(name, kGrey);
  Start({pictures_});
  const Step steps[] = {{VK_SPACE, 0, L"2.png"},        {VK_END, 0, L"5.png"},  {VK_SPACE, 0, L"1.png"},
                        {VK_SPACE, tv::kShift, L"5.png"}, {VK_UP, 0, L"4.png"},   {VK_NEXT, 0, L"4.png"},
                        {VK_PRIOR, 0, L"4.png"},        {VK_HOME, 0, L"1.png"}, {'G', 0, L"1.png"}};
  for (const Step& step : steps) {
    Press(step.key, step.modifiers);
    EXPECT_EQ(Shown(), step.shown) << "key " << step.key;
  }
}

// A decompression bomb among them: 64250 x 64250 pixels declared in a few
// hundred bytes.
TEST_F(ViewerTest, UnshowableEntriesAndADecompressionBombArePassedOverAndStayOnDisk) {
  WritePicture(L"a.png", kRed);
  const std::string junk = "\x89PNG\r\n\x1a\n not a picture";
  const std::wstring broken = folder_.WriteBytes(L"pictures\\b.png", junk);
  std::string bomb = EncodeWithGdiplus(8, 8, [](int, int) { return kGreen; }, L"image/jpeg");
  const std::size_t frame = bomb.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  bomb[frame + 1] = '\xC2';
  bomb.replace(frame + 5, 4, "\xFA\xFA\xFA\xFA");
  const std::wstring bombPath = folder_.WriteBytes(L"pictures\\b2.jpg", bomb);
  // A valid end record with no members: detected as a ZIP, lists nothing.
  const std::wstring empty = folder_.WriteBytes(L"pictures\\c.zip", MakeZip({}));
  WritePicture(L"d.png", kBlue);
  Start({pictures_});
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"d.png");
  EXPECT_EQ(form_->List().ActiveList().size(), 2u);
  Press(VK_SPACE, tv::kShift);
  EXPECT_EQ(Shown(), L"a.png");
  EXPECT_EQ(ReadAllBytes(broken), junk);
  EXPECT_EQ(ReadAllBytes(bombPath), bomb);
  EXPECT_TRUE(tv::IsExistingFile(empty));
}

TEST_F(ViewerTest, SteppingEntersAStoredZipAndLeavesItAtEitherEnd) {
  WritePicture(L"a.png", kRed);
  const auto png = [](std::uint32_t argb) { return EncodeWithGdiplus(30, 20, [argb](int, int) { return argb; }, L"image/png"); };
  folder_.WriteBytes(L"pictures\\b.zip", MakeZip({{"one.png", png(kGreen)}, {"sub/two.png", png(kBlue)}}));
  WritePicture(L"c.png", kBlue);
  Start({pictures_});
  Press(VK_SPACE);
  EXPECT_TRUE(form_->List().InsideArchive());
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"one.png");
  Press(VK_SPACE);
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"sub/two.png");
  Press(VK_SPACE);
  EXPECT_FALSE(form_->List().InsideArchive());
  EXPECT_EQ(Shown(), L"c.png");
  for (int i = 0; i < 3; ++i) Press(VK_SPACE, tv::kShift);
  EXPECT_FALSE(form_->List().InsideArchive());
  EXPECT_EQ(Shown(), L"a.png");
}

// A duplicate of a window inside an archive is given the archive and the
// member; both were opened as plain paths and the first member was shown.
TEST_F(ViewerTest, DuplicateStartShowsTheArchiveMemberItWasGiven) {
  const auto png = [](std::uint32_t argb) { return EncodeWithGdiplus(30, 20, [argb](int, int) { return argb; }, L"image/png"); };
  const std::wstring zip =
      folder_.WriteBytes(L"pictures\\b.zip", MakeZip({{"one.png", png(kGreen)}, {"sub/two.png", png(kBlue)}, {"three.png", png(kRed)}}));
  Start({L"/:duplicate", zip, L"sub/two.png"});
  ASSERT_TRUE(form_->List().InsideArchive());
  EXPECT_EQ(form_->List().FileList().size(), 1u);
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"sub/two.png");
  EXPECT_EQ(form_->CurrentSettings().ShowArchiveName, zip);
}

TEST_F(ViewerTest, EnterShowsTheListAndEnterInTheListShowsTheSelectedPicture) {
  WriteRedGreenBlue();
  Start({pictures_});
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  const HWND listBox = ::GetDlgItem(form_->Window(), 1);
  EXPECT_TRUE(::IsWindowVisible(listBox));
  EXPECT_EQ(::SendMessageW(listBox, LB_GETCOUNT, 0, 0), 3);
  for (UINT key : {VK_DOWN, VK_DOWN, VK_NEXT /* swallowed in the list */, VK_RETURN}) Press(key, 0, listBox);
  EXPECT_FALSE(form_->ShowingList());
  EXPECT_FALSE(::IsWindowVisible(listBox));
  EXPECT_EQ(Shown(), L"c.png");
}

TEST_F(ViewerTest, EnterOnAnEmptyListDoesNothingHarmful) {
  Start({});
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  Press(VK_RETURN, 0, ::GetDlgItem(form_->Window(), 1));
  Press(VK_SPACE);
  EXPECT_EQ(form_->List().ShowIndex(), -1);
}

TEST_F(ViewerTest, SlideShowMarksItsStartStepsByItselfAndStops) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_INTERVAL_1S);
  Command(IDM_SLIDE_SHOW);
  EXPECT_TRUE(form_->SlideTimerActive());
  const tv::PixelBox picture = form_->View().PictureRect();
  const int right = picture.left + picture.width, bottom = picture.top + picture.height;
  EXPECT_EQ(ScreenPixel(right - 12, bottom - 11), 0xFF606060u) << "play mark in the contrast colour";
  EXPECT_EQ(ScreenPixel(right - 40, bottom - 40), kRed);
  form_->OpenPaths({pictures_ + L"\\missing.png"}, 0, 0);
  EXPECT_TRUE(form_->SlideTimerActive()) << "opening nothing keeps the show running";
  EXPECT_TRUE(PumpUntil([this] { return Shown() == L"c.png"; }, 6000));
  Command(IDM_SLIDE_SHOW);
  EXPECT_FALSE(form_->SlideTimerActive());
  // A timer of the show's interval, started after it stopped, fires only after
  // the step a still running show would have made.
  // Timer procedures are stdcall on 32-bit Windows, which a lambda cannot be.
  static bool intervalPassed;
  intervalPassed = false;
  struct Interval {
    static void CALLBACK Pass(HWND, UINT, UINT_PTR, DWORD) { intervalPassed = true; }
  };
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 1000, &Interval::Pass);
  ASSERT_NE(timer, 0u);
  EXPECT_TRUE(PumpUntil([] { return intervalPassed; }, 5000));
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(Shown(), L"c.png");
}

TEST_F(ViewerTest, EscClosesSavesAndRestartFindsThePictureEvenByName) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Press(VK_SPACE);
  ASSERT_EQ(Shown(), L"b.png");
  Press(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([this] { return !form_->Window(); }, 2000));
  Start({});
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(form_->List().FileList().size(), 3u);
  CloseWindow();
  // A stale index (an edited file, a list changed elsewhere) is corrected by the name.
  std::wstring ini = tv::ReadTextFile(IniPath()).text;
  const size_t at = ini.find(L"ShowIndex=1");
  ASSERT_NE(at, std::wstring::npos);
  ASSERT_TRUE(tv::WriteTextFile(IniPath(), ini.replace(at, 11, L"ShowIndex=2")));
  Start({});
  EXPECT_EQ(Shown(), L"b.png");
}

TEST_F(ViewerTest, EndOfSessionSavesTheSettings) {
  Start({});
  ::DeleteFileW(IniPath().c_str());
  ::SendMessageW(form_->Window(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(tv::IsExistingFile(IniPath()));
}

TEST_F(ViewerTest, ScreenShowsPictureBorderAndFullScreenFill) {
  WritePicture(L"a.png", kRed, 120, 90);
  Start({pictures_});
  Command(IDM_BORDER_WIDTH_10);
  tv::PixelBox picture = form_->View().PictureRect();
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(picture.left - 5, picture.top + 45) == 0xFFFFFFFFu; }));
  EXPECT_EQ(picture.width, 120);
  EXPECT_EQ(ScreenPixel(picture.left + 60, picture.top + 45), kRed);
  EXPECT_EQ(ScreenPixel(picture.left - 5, picture.top + 45), 0xFFFFFFFFu);
  EXPECT_EQ(ScreenPixel(picture.left + 60, picture.top - 10), 0xFFFFFFFFu);
  Command(IDM_BORDER_WIDTH_0);
  Command(IDM_FULL_SCREEN);
  RECT window{};
  EXPECT_TRUE(PumpUntil([&] {
    ::GetWindowRect(form_->Window(), &window);
    return ScreenPixel(window.left + 2, window.top + 2) == 0xFF000000u;
  }));
  EXPECT_EQ(window.right - window.left, ::GetSystemMetrics(SM_CXSCREEN));
  picture = form_->View().PictureRect();
  EXPECT_EQ(ScreenPixel(window.left + 2, window.top + 2), 0xFF000000u);
  EXPECT_EQ(ScreenPixel(picture.left + picture.width / 2, picture.top + picture.height / 2), kRed);
}

TEST_F(ViewerTest, CameraPictureIsTurnedUprightByItsExifOrientation) {
  const std::string jpeg = EncodeWithGdiplus(120, 80, [](int, int) { return kRed; }, L"image/jpeg");
  ExifFields exif;
  exif.orientation = 6;
  folder_.WriteBytes(L"pictures\\camera.jpg", InsertJpegSegment(jpeg, MakeExifSegment(exif), false));
  Start({pictures_});
  EXPECT_EQ(form_->Image().rotation() % 2, 1);
  EXPECT_EQ(form_->View().PictureRect().width, 80);
  EXPECT_EQ(form_->View().PictureRect().height, 120);
}

TEST_F(ViewerTest, KeyIShowsTheInformation) {
  WritePicture(L"info.png", kBlue, 33, 22);
  Start({pictures_});
  Press('I');
  ASSERT_FALSE(form_->RecordedMessages().empty());
  EXPECT_NE(form_->RecordedMessages().back().find(L"info.png"), std::wstring::npos);
  EXPECT_NE(form_->RecordedMessages().back().find(L"33"), std::wstring::npos);
}

TEST_F(ViewerTest, InformationWithoutAPictureShowsTheProgramsOwnVersion) {
  Start({});
  Press('I');
  ASSERT_FALSE(form_->RecordedMessages().empty());
  EXPECT_EQ(form_->RecordedMessages().back(), L"version 3.1.4.1");  // the test program's version block
}

TEST_F(ViewerTest, DroppedFilesReplaceTheList) {
  WritePicture(L"a.png", kRed);
  const std::wstring dropped = WritePicture(L"dropped.png", kGreen);
  Start({pictures_ + L"\\a.png"});
  ::SendMessageW(form_->Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})), 0);
  Pump();
  EXPECT_EQ(Shown(), L"dropped.png");
  EXPECT_EQ(form_->List().FileList().size(), 1u);
}

TEST_F(ViewerTest, SavedFileListOpensAtItsRememberedEntry) {
  WriteRedGreenBlue();
  tv::ImageList list(3);
  for (int i = 0; i < 3; ++i) list[i].path = pictures_ + L"\\" + wchar_t(L'a' + i) + L".png";
  tv::ShownPosition position;
  position.ShowIndex = 2;
  position.ShowFileName = list[2].path;
  RecordingHost quiet;
  const std::wstring saved = folder_.Join(L"my list.tfl");
  ASSERT_TRUE(tv::SaveListFile(saved, list, position, quiet));
  Start({saved});
  EXPECT_EQ(form_->List().FileList().size(), 3u);
  EXPECT_EQ(Shown(), L"c.png");
}

TEST_F(ViewerTest, ProgramFolderComesFromTheModuleNotTheCommandLine) {
  Start({});
  wchar_t module[MAX_PATH];
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring folder = module;
  folder.resize(folder.find_last_of(L'\\'));
  ASSERT_FALSE(form_->CurrentSettings().PluginPath.empty());
  EXPECT_EQ(form_->CurrentSettings().PluginPath.front(), folder);
}

// While the information box is open a sibling asks for a step and a close
// arrives; neither may act under the dialog, the close runs after it.
TEST_F(ViewerTest, StepsAndCloseWaitWhileADialogIsOpen) {
  WriteRedGreenBlue();
  Start({pictures_}, true);
  bool aliveUnderBox = false;
  WhileDialogOpen('I', [&] {
    ::SendMessageW(form_->Window(), tv::kStepMessage, 1, 0);
    ::SendMessageW(form_->Window(), WM_CLOSE, 0, 0);
    aliveUnderBox = ::IsWindow(form_->Window()) != FALSE;
  });
  EXPECT_TRUE(aliveUnderBox);
  EXPECT_EQ(Shown(), L"a.png");
  EXPECT_TRUE(PumpUntil([this] { return !form_->Window(); }, 2000));
  EXPECT_TRUE(tv::IsExistingFile(IniPath()));
}

TEST_F(ViewerTest, StepRequestsFromOtherWindowsMoveTheView) {
  WriteRedGreenBlue();
  Start({pictures_});
  ::SendMessageW(form_->Window(), tv::kStepMessage, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Shown(), L"c.png");
}

}  // namespace
// The popup menu's marks and greying are written from the settings after
// every command and every switch of the view.
TEST_F(ViewerTest, MenuMarksAndGreyingFollowCommandsAndTheListView) {
  Start({});
  const HMENU popup = form_->PopupMenu();
  ASSERT_NE(popup, nullptr);
  auto state = [popup](int id) { return ::GetMenuState(popup, static_cast<UINT>(id), MF_BYCOMMAND); };
  Command(IDM_FIT_TO_SCREEN);
  Command(IDM_USE_WHOLE_SCREEN);
  EXPECT_TRUE(state(IDM_USE_WHOLE_SCREEN) & MF_CHECKED);
  EXPECT_FALSE(state(IDM_FIT_TO_SCREEN) & MF_CHECKED) << "whole screen switches fit off";
  EXPECT_FALSE(state(IDM_SAVE_PNG) & MF_GRAYED);
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  EXPECT_TRUE(state(IDM_SAVE_PNG) & MF_GRAYED) << "picture commands wait while the list shows";
}

}  // namespace tvtest
