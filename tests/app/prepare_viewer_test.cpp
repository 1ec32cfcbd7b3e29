// The next picture decoded ahead: what a step shows from it must be what the
// window would have decoded itself, and nothing stale ever reaches the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "imaging/gdiplus_decode.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/process_counts.h"
#include "tools/sample_files.h"

namespace tvtest {
namespace {

using State = tv::PicturePreparer::State;

struct Shot {
  int width = 0, height = 0, rotation = 0;
  std::vector<std::uint32_t> pixels;
  friend bool operator==(const Shot&, const Shot&) = default;
};

class PrepareViewerTest : public ViewerTest {
 protected:
  // The display bitmap as the window holds it.
  Shot Displayed() const {
    const tv::LoadedImage& image = form_->Image();
    ::GdiFlush();
    Shot shot{image.outputWidth(), image.outputHeight(), image.rotation(), {}};
    const auto* pixels = static_cast<const std::uint32_t*>(image.scaledPixels());
    for (int y = 0; pixels && y < shot.height; ++y)
      shot.pixels.insert(shot.pixels.end(), pixels + y * image.scaledAllocatedWidth(),
                         pixels + y * image.scaledAllocatedWidth() + shot.width);
    return shot;
  }
  bool Prepared() {
    return PumpUntil([&] { return form_->PreparedState() != State::Working; }) &&
           form_->PreparedState() == State::Ready;
  }
  // Steps onto the prepared picture, then checks it against the same entry
  // decoded again by the window thread.
  // Unless the view asks another size of it than it was made for, it is not
  // scaled or turned again.
  void StepPreparedMatchesDecode(bool sizeChanged = false) {
    ASSERT_TRUE(Prepared()) << Shown() << static_cast<int>(form_->PreparedState());
    const int served = form_->PreparedShown();
    const std::uint64_t transforms = form_->Image().transformCount();
    Press(VK_SPACE);
    ASSERT_EQ(form_->PreparedShown(), served + 1) << Shown();
    EXPECT_EQ(form_->Image().transformCount(), transforms + (sizeChanged ? 1 : 0));
    const Shot prepared = Displayed();
    Command(IDM_REFRESH);
    EXPECT_EQ(form_->PreparedShown(), served + 1);
    EXPECT_TRUE(Displayed() == prepared) << Shown();
  }
  std::string Jpeg(int width, int height) {
    return EncodeWithGdiplus(width, height, [&](int x, int y) { return Quadrants(x, y, width, height) ^ (x * y & 0x3F); },
                             L"image/jpeg");
  }
};

TEST_F(PrepareViewerTest, PreparedPictureMatchesTheWindowDecodeForEveryKindAndRotation) {
  const auto pixel = [](int x, int y) { return Quadrants(x, y, 64, 48); };
  folder_.WriteBytes(L"pictures\\1.jpg", Jpeg(1900, 1400));
  folder_.WriteBytes(L"pictures\\2.png", EncodeWithGdiplus(64, 48, pixel, L"image/png"));
  folder_.WriteBytes(L"pictures\\3.gif", SolidFramesGif(1, 48, {10}, 0));
  folder_.WriteBytes(L"pictures\\4.webp", EncodeWebpLossless(64, 48, pixel));
  folder_.WriteBytes(L"pictures\\5.zip", MakeZip({{"m1.png", EncodeWithGdiplus(64, 48, pixel, L"image/png")},
                                                  {"m2.jpg", Jpeg(900, 700)}}));
  Start({pictures_});
  for (const wchar_t* next : {L"2.png", L"3.gif", L"4.webp"}) {
    StepPreparedMatchesDecode();
    EXPECT_EQ(Shown(), next);
  }
  // Into the archive, which the window opens, onto the first member made
  // ahead; then along its members and out of its end to the file beside it.
  StepPreparedMatchesDecode();
  ASSERT_EQ(form_->CurrentSettings().ShowFileName, L"m1.png");
  StepPreparedMatchesDecode();
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"m2.jpg");
  StepPreparedMatchesDecode();
  EXPECT_EQ(Shown(), L"1.jpg");

  folder_.MakeFolder(L"turn");
  folder_.WriteBytes(L"turn\\a.jpg", Jpeg(1900, 1400));
  folder_.WriteBytes(L"turn\\b.jpg", Jpeg(1500, 1700));
  Start({folder_.Join(L"turn")});
  Command(IDM_FIX_ROTATION);
  for (int rotation = 0; rotation < 4; ++rotation) {
    Command(IDM_ROTATE_NONE + rotation);
    const int served = form_->PreparedShown();
    Press(VK_SPACE);  // what was prepared before the turn is not shown
    EXPECT_EQ(form_->PreparedShown(), served);
    StepPreparedMatchesDecode();
    EXPECT_EQ(form_->Image().rotation(), rotation);
  }
}

TEST_F(PrepareViewerTest, EveryChangeOfWhatDecidesThePixelsDropsThePreparedPicture) {
  WriteRedGreenBlue();
  WritePicture(L"d.png", 0xFFFFFFFF);
  Start({pictures_});
  // Rewritten after it was prepared: the new bytes are shown.
  ASSERT_TRUE(Prepared());
  WritePicture(L"b.png", 0xFF000000, 80, 60);
  int served = form_->PreparedShown();
  Press(VK_SPACE);
  EXPECT_EQ(form_->PreparedShown(), served);
  EXPECT_EQ(Displayed().pixels.at(0), 0xFF000000u);
  // Renamed away: never shown under its old name.
  ASSERT_TRUE(Prepared());
  ASSERT_TRUE(::MoveFileW((pictures_ + L"\\c.png").c_str(), (pictures_ + L"\\c2.png").c_str()));
  Press(VK_SPACE);
  EXPECT_EQ(form_->PreparedShown(), served);
  EXPECT_EQ(Shown(), L"d.png");
  // Re-sorted, or the window minimised: dropped at once.
  ASSERT_TRUE(Prepared());
  Command(IDM_SORT_REVERSE);
  EXPECT_EQ(form_->PreparedState(), State::Empty);
  Press(VK_SPACE);
  ASSERT_TRUE(Prepared());
  ::ShowWindow(form_->Window(), SW_MINIMIZE);
  EXPECT_EQ(form_->PreparedState(), State::Empty);
  // An archive entered backwards opens on its last member, not on the first
  // one made for a forward step.
  folder_.MakeFolder(L"archive");
  folder_.WriteBytes(L"archive\\1.png", EncodeWithGdiplus(64, 48, [](int, int) { return 0xFF0000FFu; }, L"image/png"));
  folder_.WriteBytes(L"archive\\2.zip",
                     MakeZip({{"first.png", EncodeWithGdiplus(64, 48, [](int, int) { return 0xFFFF0000u; }, L"image/png")},
                              {"last.png", EncodeWithGdiplus(64, 48, [](int, int) { return 0xFF00FF00u; }, L"image/png")}}));
  Start({folder_.Join(L"archive")});
  ASSERT_TRUE(Prepared());
  served = form_->PreparedShown();
  Press(VK_UP);
  EXPECT_EQ(form_->PreparedShown(), served);
  EXPECT_EQ(form_->CurrentSettings().ShowFileName, L"last.png");
  EXPECT_EQ(Displayed().pixels.at(0), 0xFF00FF00u);
  // A different size asked of the next picture: turned out again to it.
  folder_.MakeFolder(L"big");
  folder_.WriteBytes(L"big\\e.jpg", Jpeg(1900, 1400));
  folder_.WriteBytes(L"big\\f.jpg", Jpeg(1800, 1500));
  Start({folder_.Join(L"big")});
  ASSERT_TRUE(Prepared());
  Press(VK_SUBTRACT);
  Command(IDM_FIX_DIAGONAL_LENGTH);
  StepPreparedMatchesDecode(true);
  EXPECT_EQ(form_->Image().outputWidth(), form_->View().PictureRect().width);
}

DWORD workerFaultsIn = 0;  // the window thread's id: faults everywhere else
void FaultOffWindowThread() {
  if (workerFaultsIn && ::GetCurrentThreadId() != workerFaultsIn) *static_cast<volatile int*>(nullptr) = 1;
}

TEST_F(PrepareViewerTest, ADecoderFaultOnTheWorkerFailsOnlyThatPreparation) {
  WriteRedGreenBlue();
  workerFaultsIn = ::GetCurrentThreadId();
  tv::SetGdiplusDecodeHookForTesting(&FaultOffWindowThread);
  Start({pictures_});
  const bool failed = PumpUntil([&] { return form_->PreparedState() == State::Failed; });
  Press(VK_SPACE);
  tv::SetGdiplusDecodeHookForTesting(nullptr);
  workerFaultsIn = 0;
  EXPECT_TRUE(failed);
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(Displayed().pixels.at(0), 0xFF00FF00u);
}

TEST_F(PrepareViewerTest, FiveHundredStepsBothWaysShowTheRightPictureAndLeakNothing) {
  const std::uint32_t colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF};
  for (int i = 0; i < 5; ++i) WritePicture(std::to_wstring(i) + L".png", colours[i], 64 + i, 48);
  Start({pictures_});
  int at = 0;
  DWORD gdiBefore = 0, handlesBefore = 0;
  for (int i = 0; i < 500; ++i) {
    if (i == 10) {
      ASSERT_TRUE(Prepared());
      gdiBefore = GdiObjectCount();
      handlesBefore = KernelHandleCount();
    }
    const bool back = i % 7 >= 4;
    if (i % 3 == 0) Prepared();  // slow: the step finds its picture made
    Press(back ? VK_UP : VK_SPACE);
    at = (at + (back ? 4 : 1)) % 5;
    ASSERT_EQ(Shown(), std::to_wstring(at) + L".png") << i;
    ASSERT_EQ(Displayed().pixels.at(0), colours[at]) << i;
  }
  EXPECT_GT(form_->PreparedShown(), 200);
  ASSERT_TRUE(Prepared());
  ASSERT_GT(gdiBefore, 0u);
  ASSERT_GT(handlesBefore, 0u);
  EXPECT_LE(GdiObjectCount(), gdiBefore);
  EXPECT_LE(KernelHandleCount(), handlesBefore);
}

TEST_F(PrepareViewerTest, ClosingWhilePreparingEndsCleanly) {
  folder_.WriteBytes(L"pictures\\a.jpg", Jpeg(64, 48));
  folder_.WriteBytes(L"pictures\\b.jpg", Jpeg(3000, 2000));
  Start({pictures_});
  ASSERT_EQ(form_->PreparedState(), State::Working);
  CloseWindow();
  EXPECT_EQ(form_->Window(), nullptr);
  EXPECT_EQ(form_->PreparedState(), State::Empty);
}

// Regression: a dialog dropped the prepared picture and nothing made it
// again, so the first step after every dialog decoded on the window thread.
TEST_F(PrepareViewerTest, TheNextPictureIsPreparedAgainAfterADialog) {
  WriteRedGreenBlue();
  Start({pictures_}, true);
  ASSERT_TRUE(Prepared());
  WhileDialogOpen('I', [&] { EXPECT_EQ(form_->PreparedState(), State::Empty); });
  ASSERT_TRUE(PumpUntil([&] { return form_->PreparedState() == State::Ready; }));
  const int served = form_->PreparedShown();
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(form_->PreparedShown(), served + 1);
}

}  // namespace
}  // namespace tvtest
