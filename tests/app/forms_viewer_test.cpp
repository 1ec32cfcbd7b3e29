// The modal forms as the window's commands open them, driven through their
// dialogs from inside the dialogs' own message loops.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <set>

#include "forms/form_ids.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/support/dialog_driver.h"
#include "util/text.h"

namespace tvtest {
namespace {

class FormsViewerTest : public ViewerTest {
 protected:
  // Runs the command while the steps answer its dialogs; true when every
  // step ran.
  bool Drive(int command, std::vector<DialogScript::Step> steps) {
    DialogScript script(std::move(steps));
    Command(command);
    return script.Finished();
  }
};

DialogScript::Step TypeAndDismiss(int edit, std::wstring text, UINT message, int button) {
  return [=](HWND dialog) {
    SetEditText(dialog, edit, text);
    ::SendMessageW(dialog, message, static_cast<WPARAM>(button), 0);
    return true;
  };
}

// OK stores the mask entered, Cancel and the close box keep it. A message
// box is driven the same way: the history question is read and answered No.
TEST_F(FormsViewerTest, FileMaskFormStoresOnOkOnlyAndMessageBoxesAnswer) {
  WriteRedGreenBlue();
  Start({pictures_}, true);
  EXPECT_TRUE(Drive(IDM_FILE_MASK_SETTING, {[](HWND dialog) {
    EXPECT_EQ(TextOf(dialog), L"File Mask");
    EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_PROMPT), L"Set file mask.");
    EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_TEXT), L"*.*");
    return TypeAndDismiss(IDC_INPUT_TEXT, L"*.png;*.gif", WM_COMMAND, IDOK)(dialog);
  }}));
  EXPECT_TRUE(Drive(IDM_FILE_MASK_SETTING, {TypeAndDismiss(IDC_INPUT_TEXT, L"*.bmp", WM_COMMAND, IDCANCEL)}));
  EXPECT_TRUE(Drive(IDM_FILE_MASK_SETTING, {TypeAndDismiss(IDC_INPUT_TEXT, L"*.bmp", WM_CLOSE, 0)}));
  EXPECT_EQ(form_->CurrentSettings().FileMaskString, L"*.png;*.gif");

  ASSERT_EQ(form_->CurrentSettings().History.size(), 1u);  // the item after the entries clears them
  EXPECT_TRUE(Drive(IDM_HISTORY_FIRST + 1, {Answer(IDNO, L"Confirmation", L"History list will be cleared. OK?")}));
  EXPECT_EQ(form_->CurrentSettings().History.size(), 1u);
}

// Typing into either side keeps a 4:3 picture's proportions, letters never
// reach the field, and OK sizes the window; Cancel leaves it.
TEST_F(FormsViewerTest, SizeFormKeepsProportionsAndSizesTheWindowOnOk) {
  WritePicture(L"wide.png", 0xFF336699, 400, 300);
  Start({pictures_});
  ASSERT_EQ(form_->View().PictureRect().width, 400);
  auto typeSizes = [](HWND dialog) {
    EXPECT_EQ(TextOf(dialog), L"New Window Size");
    EXPECT_EQ(ItemTextOf(dialog, IDC_SIZE_HEIGHT), L"300");
    SetEditText(dialog, IDC_SIZE_HEIGHT, L"600");
    EXPECT_EQ(ItemTextOf(dialog, IDC_SIZE_WIDTH), L"800");  // 800.67 truncated
    SetEditText(dialog, IDC_SIZE_WIDTH, L"");
    TypeInto(dialog, IDC_SIZE_WIDTH, L"8x0-0");
    EXPECT_EQ(ItemTextOf(dialog, IDC_SIZE_WIDTH), L"800");
    EXPECT_EQ(ItemTextOf(dialog, IDC_SIZE_HEIGHT), L"600");  // 600.5 truncated
    return true;
  };
  EXPECT_TRUE(Drive(IDM_SET_WINDOW_SIZE, {typeSizes, Answer(IDCANCEL)}));
  EXPECT_EQ(form_->View().PictureRect().width, 400);
  EXPECT_TRUE(Drive(IDM_SET_WINDOW_SIZE, {typeSizes, Answer(IDOK)}));
  EXPECT_EQ(form_->View().PictureRect().width, 800);
  EXPECT_EQ(form_->View().PictureRect().height, 600);
}

// The trackbar moved by keys, typed text and a preset all show in both
// controls; right Ctrl stores the quality into a preset; OK copies all four
// values to the settings, Cancel none.
TEST_F(FormsViewerTest, JpegFormFollowsTrackbarTextAndPresetsAndStoresOnOk) {
  Start({});
  const tv::Settings before = form_->CurrentSettings();
  auto play = [](HWND dialog) {
    const HWND trackbar = ::GetDlgItem(dialog, IDC_JPEG_TRACKBAR);
    auto expectBoth = [&](int quality) {
      EXPECT_EQ(::SendMessageW(trackbar, TBM_GETPOS, 0, 0), quality);
      EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_QUALITY), std::to_wstring(quality));
    };
    EXPECT_EQ(TextOf(dialog), L"Jpeg Compression Setting");
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_LABEL), L"Jpeg Compression Level");
    for (UINT key : {VK_HOME, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT}) {
      ::SendMessageW(trackbar, WM_KEYDOWN, key, 1);
      ::SendMessageW(trackbar, WM_KEYUP, key, 1);
    }
    expectBoth(70);  // seven pages of 10
    SetEditText(dialog, IDC_JPEG_QUALITY, L"4x2");
    expectBoth(42);
    PressButton(dialog, IDC_JPEG_PRESET_2);
    expectBoth(50);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_RCONTROL] = 0x80;
    ::SetKeyboardState(keys);
    SetEditText(dialog, IDC_JPEG_QUALITY, L"64");
    PressButton(dialog, IDC_JPEG_PRESET_3);
    keys[VK_CONTROL] = keys[VK_RCONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_PRESET_3), L"64");
    expectBoth(64);  // storing a preset leaves the quality
    return true;
  };
  const tv::Settings& after = form_->CurrentSettings();
  EXPECT_TRUE(Drive(IDM_JPEG_SAVE_SETTING, {play, Answer(IDCANCEL)}));
  EXPECT_EQ(after.JpegCompressRatio0, before.JpegCompressRatio0);
  EXPECT_EQ(after.JpegCompressRatio3, before.JpegCompressRatio3);
  EXPECT_TRUE(Drive(IDM_JPEG_SAVE_SETTING, {play, Answer(IDOK)}));
  EXPECT_EQ(after.JpegCompressRatio0, 64);
  EXPECT_EQ(after.JpegCompressRatio2, before.JpegCompressRatio2);
  EXPECT_EQ(after.JpegCompressRatio3, 64);
}

// The progress form is up while 20,000 files in 100 folders are scanned;
// Cancel stops the scan, which is held at the start of its 51st folder until
// then, and the list holds exactly the first 50 folders' files, each once.
TEST_F(FormsViewerTest, ProgressFormShowsTheScanAndCancelKeepsWhatWasFound) {
  const std::string png = tvtest::ReadAllBytes(WritePicture(L"seed.png", 0xFF00FF00, 2, 2));
  const std::wstring scanned = folder_.MakeFolder(L"scanned");
  for (int f = 0; f < 100; ++f) {
    // Small folders, written without a flush per file: much faster here.
    const std::wstring sub = scanned + L"\\" + tv::DecimalInt(f) + L"\\";
    ASSERT_TRUE(::CreateDirectoryW(sub.c_str(), nullptr));
    for (int i = 0; i < 200; ++i) {
      const tv::UniqueFile file(::CreateFileW((sub + tv::DecimalInt(i) + L".png").c_str(), GENERIC_WRITE, 0,
                                              nullptr, CREATE_NEW, 0, nullptr));
      DWORD written = 0;
      ASSERT_TRUE(file && ::WriteFile(file.get(), png.data(), DWORD(png.size()), &written, nullptr));
    }
  }
  Start({});
  const tv::UniqueHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::atomic<int> listings{0};
  std::atomic<bool> held{false};
  form_->ScanJob().SetListingStarted([&](const std::wstring&) {
    if (++listings < 52) return;  // the start folder, then 50 subfolders
    held = true;
    ::WaitForSingleObject(release.get(), 60'000);
  });
  std::wstring status;
  DialogScript script({[&](HWND dialog) {
    status = ItemTextOf(dialog, IDC_PROGRESS_STATUS);
    if (!held || status.rfind(scanned + L"\\", 0) != 0 || !status.ends_with(L".png")) return false;
    PressButton(dialog, IDCANCEL);
    ::SetEvent(release.get());
    return true;
  }});
  ASSERT_TRUE(form_->OpenPaths({scanned}, 0, 0));
  form_->ScanJob().SetListingStarted(nullptr);
  EXPECT_TRUE(script.Finished()) << "the last status seen: " << tv::WideToUtf8(status);
  const auto& list = form_->List().FileList();
  ASSERT_EQ(list.size(), 10'000u);
  std::set<std::wstring> unique, folders;
  for (const auto& entry : list) {
    unique.insert(entry.path);
    folders.insert(entry.path.substr(0, entry.path.rfind(L'\\')));
  }
  EXPECT_EQ(unique.size(), list.size());
  EXPECT_EQ(folders.size(), 50u);
  EXPECT_EQ(form_->PathOnDisplay(), list[static_cast<size_t>(form_->List().ShowIndex())].path);
  EXPECT_FALSE(form_->ScanJob().Worker());
}

}  // namespace
}  // namespace tvtest
