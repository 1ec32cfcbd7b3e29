// The viewer as a user drives it: real window, real files, real keys.
#include <gtest/gtest.h>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include <shlobj.h>

#include "settings/list_file.h"
#include "tests/support/test_files.h"
#include "util/file_system.h"
#include "util/text_file.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

inline constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kGrey = 0xFF808080,
                        kYellow = 0xFFFFFF00;

std::uint32_t ScreenPixel(int x, int y) {
  const tv::WindowDC screen(nullptr);
  const COLORREF c = ::GetPixel(screen.get(), x, y);
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

TEST_F(ViewerTest, SpaceAndShiftSpaceStepThroughTheFolderAndWrap) {
  WriteRedGreenBlue();
  Start({pictures_});
  EXPECT_EQ(Shown(), L"a.png");
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"b.png");
  Press(VK_SPACE);
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"a.png") << "stepping past the last entry shows the first";
  Press(VK_SPACE, tv::kShift);
  EXPECT_EQ(Shown(), L"c.png") << "stepping back from the first shows the last";
  Press(VK_DOWN);
  EXPECT_EQ(Shown(), L"a.png");
}

TEST_F(ViewerTest, PagingWrapsAndHomeEndReachTheEnds) {
  for (const wchar_t* name : {L"1.png", L"2.png", L"3.png", L"4.png", L"5.png"}) WritePicture(name, kGrey);
  Start({pictures_});
  Press(VK_END);
  EXPECT_EQ(Shown(), L"5.png");
  Press(VK_SPACE, tv::kShift);
  EXPECT_EQ(Shown(), L"4.png");
  Press(VK_NEXT);
  EXPECT_EQ(Shown(), L"4.png") << "+10 on five entries wraps back to the same one";
  Press(VK_PRIOR);
  EXPECT_EQ(Shown(), L"4.png");
  Press(VK_HOME);
  EXPECT_EQ(Shown(), L"1.png");
  Press('G');  // bound to nothing
  EXPECT_EQ(Shown(), L"1.png");
}

TEST_F(ViewerTest, CorruptPictureIsSkippedAndLeavesTheListButNotTheDisk) {
  WritePicture(L"a.png", kRed);
  const std::string junk = "\x89PNG\r\n\x1a\n this is not a picture";
  const std::wstring broken = folder_.WriteBytes(L"pictures\\b.png", junk);
  WritePicture(L"c.png", kBlue);
  Start({pictures_});
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"c.png");
  EXPECT_EQ(form_->List().ActiveList().size(), 2u);
  EXPECT_EQ(ReadAllBytes(broken), junk) << "the broken file stays on disk untouched";
}

TEST_F(ViewerTest, ArchiveThatCannotBeOpenedIsPassedOverWithoutHanging) {
  WritePicture(L"a.png", kRed);
  // A valid end record with no members: detected as a ZIP, lists nothing.
  const std::wstring empty = folder_.WriteBytes(L"pictures\\b.zip", MakeZip({}));
  WritePicture(L"c.png", kBlue);
  Start({pictures_});
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"c.png");
  Press(VK_SPACE, tv::kShift);
  EXPECT_EQ(Shown(), L"a.png");
  EXPECT_TRUE(tv::IsExistingFile(empty));
}

TEST_F(ViewerTest, SteppingEntersAStoredZipAndLeavesItAtEitherEnd) {
  WritePicture(L"a.png", kRed);
  const auto png = [](std::uint32_t argb) {
    return EncodeWithGdiplus(30, 20, [argb](int, int) { return argb; }, L"image/png");
  };
  folder_.WriteBytes(L"pictures\\b.zip", MakeZip({{"one.png", png(kGreen)}, {"sub/two.png", png(kYellow)}}));
  WritePicture(L"c.png", kBlue);
  Start({pictures_});
  Press(VK_SPACE);
  EXPECT_TRUE(form_->List().InsideArchive());
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"one.png");
  Press(VK_SPACE);
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"sub/two.png");
  Press(VK_SPACE);
  EXPECT_FALSE(form_->List().InsideArchive());
  EXPECT_EQ(Shown(), L"c.png") << "past the last member comes the entry after the archive";
  Press(VK_SPACE, tv::kShift);
  Press(VK_SPACE, tv::kShift);
  Press(VK_SPACE, tv::kShift);
  EXPECT_FALSE(form_->List().InsideArchive());
  EXPECT_EQ(Shown(), L"a.png") << "before the first member comes the entry before the archive";
}

TEST_F(ViewerTest, EnterShowsTheListAndEnterInTheListShowsTheSelectedPicture) {
  WriteRedGreenBlue();
  Start({pictures_});
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  const HWND listBox = ::GetDlgItem(form_->Window(), 1);
  ASSERT_NE(listBox, nullptr);
  EXPECT_TRUE(::IsWindowVisible(listBox));
  EXPECT_EQ(::SendMessageW(listBox, LB_GETCOUNT, 0, 0), 3);
  Press(VK_DOWN, 0, listBox);
  Press(VK_DOWN, 0, listBox);
  Press(VK_NEXT, 0, listBox);  // swallowed in the list
  Press(VK_RETURN, 0, listBox);
  EXPECT_FALSE(form_->ShowingList());
  EXPECT_FALSE(::IsWindowVisible(listBox));
  EXPECT_EQ(Shown(), L"c.png");
}

TEST_F(ViewerTest, EnterOnAnEmptyListDoesNothingHarmful) {
  Start({});
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  const HWND listBox = ::GetDlgItem(form_->Window(), 1);
  Press(VK_RETURN, 0, listBox);
  Press(VK_SPACE);
  EXPECT_EQ(form_->List().ShowIndex(), -1);
}

TEST_F(ViewerTest, SlideShowStepsByItselfAndStopsOnTheCommand) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_INTERVAL_1S);
  Command(IDM_SLIDE_SHOW);
  EXPECT_TRUE(form_->SlideTimerActive());
  // Two steps by the timer alone; generous deadline, the interval is what counts.
  for (int i = 0; i < 600 && Shown() != L"c.png"; ++i) Pump(10);
  EXPECT_EQ(Shown(), L"c.png") << "the timer stepped twice";
  Command(IDM_SLIDE_SHOW);
  EXPECT_FALSE(form_->SlideTimerActive());
  Pump(1300);
  EXPECT_EQ(Shown(), L"c.png");
}

TEST_F(ViewerTest, SlideTimerFollowsTheSettingAfterOpeningNothing) {
  WritePicture(L"a.png", kRed);
  Start({pictures_});
  Command(IDM_SLIDE_SHOW);
  form_->OpenPaths({pictures_ + L"\\missing.png"}, 0, 0);
  EXPECT_TRUE(form_->SlideTimerActive());
  EXPECT_EQ(Shown(), L"a.png");
}

TEST_F(ViewerTest, EscClosesSavesAndTheNextStartShowsTheSamePicture) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Press(VK_SPACE);
  ASSERT_EQ(Shown(), L"b.png");
  Press(VK_ESCAPE);
  for (int i = 0; i < 100 && form_->Window(); ++i) Pump(10);
  EXPECT_EQ(form_->Window(), nullptr);
  ASSERT_TRUE(tv::IsExistingFile(IniPath()));
  Start({});
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(form_->List().FileList().size(), 3u);
}

TEST_F(ViewerTest, EndOfSessionSavesTheSettings) {
  WritePicture(L"a.png", kRed);
  Start({pictures_});
  ::DeleteFileW(IniPath().c_str());
  ::SendMessageW(form_->Window(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(tv::IsExistingFile(IniPath()));
}

TEST_F(ViewerTest, StepRequestsFromOtherWindowsMoveTheView) {
  WriteRedGreenBlue();
  Start({pictures_});
  ::SendMessageW(form_->Window(), WM_USER, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Shown(), L"c.png");
}

// ---------------------------------------------------------------- pixels


TEST_F(ViewerTest, WindowShowsThePictureInsideItsBorder) {
  WritePicture(L"a.png", kRed, 120, 90);
  Start({pictures_});
  Command(IDM_BORDER_WIDTH_10);
  Pump(200);
  const tv::PixelBox picture = form_->View().PictureRect();
  EXPECT_EQ(picture.width, 120);
  EXPECT_EQ(ScreenPixel(picture.left + 60, picture.top + 45), kRed);
  EXPECT_EQ(ScreenPixel(picture.left - 5, picture.top + 45), 0xFFFFFFFFu) << "white border, 10 pixels";
  EXPECT_EQ(ScreenPixel(picture.left + 60, picture.top - 10), 0xFFFFFFFFu);
}

TEST_F(ViewerTest, FullScreenFillsAroundThePictureWithTheBackground) {
  WritePicture(L"a.png", kGreen, 100, 80);
  Start({pictures_});
  Command(IDM_FULL_SCREEN);
  Pump(200);
  RECT window{};
  ::GetWindowRect(form_->Window(), &window);
  EXPECT_EQ(window.right - window.left, ::GetSystemMetrics(SM_CXSCREEN));
  const tv::PixelBox picture = form_->View().PictureRect();
  EXPECT_EQ(ScreenPixel(window.left + 2, window.top + 2), 0xFF000000u);
  EXPECT_EQ(ScreenPixel(picture.left + picture.width / 2, picture.top + picture.height / 2), kGreen);
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

TEST_F(ViewerTest, CameraPictureIsTurnedUprightByItsExifOrientation) {
  const std::string jpeg = EncodeWithGdiplus(120, 80, [](int, int) { return kRed; }, L"image/jpeg");
  ExifFields exif;
  exif.orientation = 6;
  folder_.WriteBytes(L"pictures\\camera.jpg", InsertJpegSegment(jpeg, MakeExifSegment(exif), false));
  Start({pictures_});
  EXPECT_EQ(form_->Image().rotation() % 2, 1);
  const tv::PixelBox picture = form_->View().PictureRect();
  EXPECT_EQ(picture.width, 80);
  EXPECT_EQ(picture.height, 120);
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

TEST_F(ViewerTest, KeyIShowsTheInformationOfThePictureOnDisplay) {
  WritePicture(L"info.png", kBlue, 33, 22);
  Start({pictures_});
  Press('I');
  ASSERT_FALSE(form_->RecordedMessages().empty());
  const std::wstring& text = form_->RecordedMessages().back();
  EXPECT_NE(text.find(L"info.png"), std::wstring::npos) << "the text names the file";
  EXPECT_NE(text.find(L"33"), std::wstring::npos) << "and its width";
}

TEST_F(ViewerTest, DroppedFilesReplaceTheList) {
  WritePicture(L"a.png", kRed);
  const std::wstring dropped = WritePicture(L"dropped.png", kGreen);
  Start({pictures_ + L"\\a.png"});
  ASSERT_EQ(Shown(), L"a.png");
  // The same block the shell hands over: DROPFILES, then NUL-separated paths.
  const size_t chars = dropped.size() + 2;
  HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::copy(dropped.begin(), dropped.end(), reinterpret_cast<wchar_t*>(header + 1));
  ::GlobalUnlock(block);
  ::SendMessageW(form_->Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  Pump();
  EXPECT_EQ(Shown(), L"dropped.png");
  EXPECT_EQ(form_->List().FileList().size(), 1u);
}

TEST_F(ViewerTest, SavedFileListOpensAtItsRememberedEntry) {
  const std::wstring a = WritePicture(L"a.png", kRed);
  const std::wstring b = WritePicture(L"b.png", kGreen);
  const std::wstring c = WritePicture(L"c.png", kBlue);
  tv::ImageList list;
  for (const std::wstring& path : {a, b, c}) {
    tv::ImageEntry entry;
    entry.path = path;
    list.push_back(entry);
  }
  tv::ShownPosition position;
  position.ShowIndex = 2;
  position.ShowFileName = c;
  struct Quiet : tv::SettingsHost {
    void ShowMessage(const tv::UserMessage&) override {}
    void OfferFirstStartShortcut() override {}
    bool CancelRequested() override { return false; }
  } quiet;
  const std::wstring saved = folder_.Join(L"my list.tfl");
  ASSERT_TRUE(tv::SaveListFile(saved, list, position, quiet));
  Start({saved});
  EXPECT_EQ(form_->List().FileList().size(), 3u);
  EXPECT_EQ(Shown(), L"c.png");
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

// While a message box of the viewer is open, a close request arrives; the
// box is then dismissed. Thread timers run inside the box's own loop.
struct ModalScript {
  HWND viewer = nullptr;
  bool viewerAliveUnderBox = false;
  int step = 0;
};
ModalScript script;

void CALLBACK DriveModalBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = ::FindWindowW(L"#32770", nullptr);
  if (!box) return;
  if (script.step == 0) {
    ::PostMessageW(script.viewer, WM_CLOSE, 0, 0);
    script.step = 1;
  } else {
    script.viewerAliveUnderBox = ::IsWindow(script.viewer) != FALSE;
    ::KillTimer(nullptr, timer);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(ViewerTest, CloseDuringADialogWaitsForTheDialogToEnd) {
  WritePicture(L"a.png", kRed);
  Start({pictures_}, true);
  script = {form_->Window(), false, 0};
  ::SetTimer(nullptr, 0, 100, &DriveModalBox);
  Press('I');  // the information box: modal until the timer dismisses it
  EXPECT_TRUE(script.viewerAliveUnderBox) << "the window must not close under its own dialog";
  for (int i = 0; i < 100 && form_->Window(); ++i) Pump(10);
  EXPECT_EQ(form_->Window(), nullptr) << "the close runs once the dialog has ended";
  EXPECT_TRUE(tv::IsExistingFile(IniPath()));
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

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

TEST_F(ViewerTest, SlideShowMarkShowsAtThePicturesCorner) {
  WritePicture(L"a.png", kYellow, 200, 150);
  WritePicture(L"b.png", kYellow, 200, 150);
  Start({pictures_});
  Command(IDM_INTERVAL_1H);
  Command(IDM_SLIDE_SHOW);
  Pump(100);
  const tv::PixelBox picture = form_->View().PictureRect();
  const int right = picture.left + picture.width, bottom = picture.top + picture.height;
  // Play triangle in the contrast colour of the black background.
  EXPECT_EQ(ScreenPixel(right - 12, bottom - 11), 0xFF606060u);
  EXPECT_EQ(ScreenPixel(right - 40, bottom - 40), kYellow) << "the picture outside the mark";
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

TEST_F(ViewerTest, NamedInstanceHasItsTitleAndItsOwnIniFile) {
  WritePicture(L"a.png", kRed);
  Start({L"/work", pictures_});
  wchar_t title[64] = {};
  ::GetWindowTextW(form_->Window(), title, 64);
  EXPECT_STREQ(title, L"taverlune - work");
  CloseWindow();
  EXPECT_TRUE(tv::IsExistingFile(appData_ + L"\\taverlune\\work.ini"));
  EXPECT_FALSE(tv::IsExistingFile(IniPath())) << "the default instance's file is not touched";
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

// The remembered position is corrected by the remembered name: an ini file
// whose index no longer matches (edited, or a list changed elsewhere) still
// brings back the picture that was on display.
TEST_F(ViewerTest, RestartFindsThePictureByNameWhenTheIndexIsStale) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Press(VK_SPACE);
  ASSERT_EQ(Shown(), L"b.png");
  CloseWindow();
  std::wstring ini = tv::ReadTextFile(IniPath()).text;
  const size_t at = ini.find(L"ShowIndex=1");
  ASSERT_NE(at, std::wstring::npos);
  ini.replace(at, 11, L"ShowIndex=2");
  ASSERT_TRUE(tv::WriteTextFile(IniPath(), ini));
  Start({});
  EXPECT_EQ(Shown(), L"b.png");
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

TEST_F(ViewerTest, TransparencyCommandsSetTheWindowsAlpha) {
  WritePicture(L"a.png", kRed);
  Start({pictures_});
  Command(IDM_TRANSPARENCY_50);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(form_->Window(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_EQ(form_->CurrentSettings().AlphaBlendValue, 128);
}

}  // namespace
}  // namespace tvtest

namespace tvtest {
namespace {

struct StepScript {
  HWND viewer = nullptr;
  bool sent = false;
};
StepScript stepScript;

// Inside the information box: a sibling asks for a step, then the box closes.
void CALLBACK StepUnderModalBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = ::FindWindowW(L"#32770", nullptr);
  if (!box) return;
  ::SendMessageW(stepScript.viewer, WM_USER, 1, 0);
  stepScript.sent = true;
  ::KillTimer(nullptr, timer);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(ViewerTest, StepRequestsAreIgnoredWhileADialogIsOpen) {
  WriteRedGreenBlue();
  Start({pictures_}, true);
  stepScript = {form_->Window(), false};
  ::SetTimer(nullptr, 0, 100, &StepUnderModalBox);
  Press('I');
  ASSERT_TRUE(stepScript.sent);
  EXPECT_EQ(Shown(), L"a.png");
  ::SendMessageW(form_->Window(), WM_USER, 1, 0);
  EXPECT_EQ(Shown(), L"b.png") << "after the dialog steps are taken again";
}

}  // namespace
}  // namespace tvtest
