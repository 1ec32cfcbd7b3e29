// The modal forms as the window's commands open them, driven through their
// dialogs from inside the dialogs' own message loops.
#include "forms/form_ids.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/support/dialog_driver.h"

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

}  // namespace
}  // namespace tvtest
