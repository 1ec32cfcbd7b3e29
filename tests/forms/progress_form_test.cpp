// The progress form over work the test plays by hand.
#include "forms/progress_form.h"

#include <gtest/gtest.h>

#include "forms/form_ids.h"
#include "tests/support/dialog_driver.h"

namespace tv {
namespace {

struct PlayedWork : ProgressWork {
  bool startWorks = true, ended = false, stopAsked = false;
  int starts = 0, finishes = 0;
  std::wstring status = L"C:\\pictures";
  bool Start() override {
    ++starts;
    return startWorks;
  }
  bool HasEnded() const override { return ended; }
  void Finish() override { ++finishes; }
  void RequestStop() override { stopAsked = true; }
  std::wstring StatusText() const override { return status; }
};

// Regression: ticks that arrive after the worker has ended and was finished
// are ignored, so it is never finished twice; Cancel only asks the work to
// stop, and the form stays up until the work has ended.
TEST(ProgressFormTest, ShowsTheStatusAndClosesOnceAfterTheWorkEnded) {
  ProgressForm form;
  PlayedWork work;
  using tvtest::ItemTextOf;
  tvtest::DialogScript script({
      [&](HWND dialog) {
        EXPECT_EQ(ItemTextOf(dialog, IDC_PROGRESS_STATUS), L"C:\\pictures");
        work.status = L"C:\\pictures\\10.png";
        return true;
      },
      [&](HWND dialog) {
        if (ItemTextOf(dialog, IDC_PROGRESS_STATUS) != work.status) return false;
        tvtest::PressButton(dialog, IDCANCEL);
        return work.stopAsked;
      },
      [&](HWND dialog) {  // still up after Cancel
        work.ended = true;
        for (int tick = 0; tick < 3; ++tick) ::SendMessageW(dialog, WM_TIMER, form.TimerId(), 0);
        return true;
      },
  });
  EXPECT_TRUE(form.Run(::GetModuleHandleW(nullptr), nullptr, work));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(work.starts, 1);
  EXPECT_EQ(work.finishes, 1);
  EXPECT_EQ(form.Window(), nullptr);

  PlayedWork refused;  // work that cannot start closes the form at once
  refused.startWorks = false;
  EXPECT_FALSE(form.Run(::GetModuleHandleW(nullptr), nullptr, refused));
  EXPECT_EQ(refused.finishes, 0);
}

}  // namespace
}  // namespace tv
