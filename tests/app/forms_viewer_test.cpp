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
#include "util/file_system.h"
#include "util/text.h"

namespace tvtest {
namespace {

using FormsViewerTest = ViewerTest;

// The file mask form shows the current mask; OK stores the text entered,
// Cancel and closing the window keep the mask. A message box is driven by
// the same script: the history question is read and answered No.
TEST_F(FormsViewerTest, FileMaskFormStoresOnOkOnlyAndMessageBoxesAnswer) {
  WriteRedGreenBlue();
  Start({pictures_}, true);
  ASSERT_EQ(form_->CurrentSettings().FileMaskString, L"*.*");
  {
    DialogScript script({[](HWND dialog) {
      EXPECT_EQ(TextOf(dialog), L"File Mask");
      EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_PROMPT), L"Set file mask.");
      EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_TEXT), L"*.*");
      return EnterText(IDC_INPUT_TEXT, L"*.png;*.gif")(dialog);
    }});
    Command(IDM_FILE_MASK_SETTING);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(form_->CurrentSettings().FileMaskString, L"*.png;*.gif");

  for (const UINT dismiss : {UINT(IDCANCEL), UINT(WM_CLOSE)}) {
    DialogScript script({[dismiss](HWND dialog) {
      EXPECT_EQ(ItemTextOf(dialog, IDC_INPUT_TEXT), L"*.png;*.gif");
      SetEditText(dialog, IDC_INPUT_TEXT, L"*.bmp");
      if (dismiss == WM_CLOSE)
        ::SendMessageW(dialog, WM_CLOSE, 0, 0);
      else
        PressButton(dialog, IDCANCEL);
      return true;
    }});
    Command(IDM_FILE_MASK_SETTING);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(form_->CurrentSettings().FileMaskString, L"*.png;*.gif");
  }

  ASSERT_EQ(form_->CurrentSettings().History.size(), 1u);
  DialogScript question({Answer(IDNO, L"Confirmation", L"History list will be cleared. OK?")});
  Command(IDM_HISTORY_FIRST + 1);  // the item after the entries clears the history
  EXPECT_TRUE(question.Finished());
  EXPECT_EQ(form_->CurrentSettings().History.size(), 1u);
}

// Typing into either side keeps a 4:3 picture's proportions, letters never
// reach the field, and OK sizes the window; Cancel leaves it.
TEST_F(FormsViewerTest, SizeFormKeepsProportionsAndSizesTheWindowOnOk) {
  WritePicture(L"wide.png", 0xFF336699, 400, 300);
  Start({pictures_});
  ASSERT_EQ(form_->View().PictureRect().width, 400);
  auto typeWidth = [](HWND dialog) {
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
  {
    DialogScript script({typeWidth, Answer(IDCANCEL)});
    Command(IDM_SET_WINDOW_SIZE);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(form_->View().PictureRect().width, 400);
  }
  DialogScript script({typeWidth, Answer(IDOK)});
  Command(IDM_SET_WINDOW_SIZE);
  EXPECT_TRUE(script.Finished());
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
    auto position = [&] { return ::SendMessageW(trackbar, TBM_GETPOS, 0, 0); };
    EXPECT_EQ(TextOf(dialog), L"Jpeg Compression Setting");
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_LABEL), L"Jpeg Compression Level");
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_QUALITY), std::to_wstring(position()));
    auto press = [&](UINT key) {
      ::SendMessageW(trackbar, WM_KEYDOWN, key, 1);
      ::SendMessageW(trackbar, WM_KEYUP, key, 1);
    };
    press(VK_HOME);
    for (int i = 0; i < 7; ++i) press(VK_NEXT);  // page size 10
    EXPECT_EQ(position(), 70);
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_QUALITY), L"70");
    SetEditText(dialog, IDC_JPEG_QUALITY, L"4x2");
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_QUALITY), L"42");
    EXPECT_EQ(position(), 42);
    PressButton(dialog, IDC_JPEG_PRESET_2);  // 50
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_QUALITY), L"50");
    EXPECT_EQ(position(), 50);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_RCONTROL] = 0x80;
    ::SetKeyboardState(keys);
    SetEditText(dialog, IDC_JPEG_QUALITY, L"64");
    PressButton(dialog, IDC_JPEG_PRESET_3);
    keys[VK_CONTROL] = keys[VK_RCONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(ItemTextOf(dialog, IDC_JPEG_PRESET_3), L"64");
    EXPECT_EQ(position(), 64) << "storing a preset leaves the quality";
    return true;
  };
  {
    DialogScript script({play, Answer(IDCANCEL)});
    Command(IDM_JPEG_SAVE_SETTING);
    EXPECT_TRUE(script.Finished());
  }
  const tv::Settings& after = form_->CurrentSettings();
  EXPECT_EQ(after.JpegCompressRatio0, before.JpegCompressRatio0);
  EXPECT_EQ(after.JpegCompressRatio3, before.JpegCompressRatio3);
  DialogScript script({play, Answer(IDOK)});
  Command(IDM_JPEG_SAVE_SETTING);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(after.JpegCompressRatio0, 64);
  EXPECT_EQ(after.JpegCompressRatio1, before.JpegCompressRatio1);
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
    // Small folders: the system looks through a folder for each new name.
    const std::wstring sub = scanned + L"\\" + tv::DecimalInt(f) + L"\\";
    ASSERT_TRUE(::CreateDirectoryW(sub.c_str(), nullptr));
    for (int i = 0; i < 200; ++i) {
      // Written plainly: a flush per file would take minutes here.
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
