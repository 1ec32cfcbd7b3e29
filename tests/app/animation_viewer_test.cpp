// Animated pictures in the real window: frames on screen in order, loops,
// pauses under dialogs, stopping when stepping away, and no leaks.
#include <windows.h>

#include <gtest/gtest.h>

#include "imaging/loaded_image.h"
#include "tests/app/viewer_fixture.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/process_counts.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

// The screen colour of frame i, opaque ARGB.
std::uint32_t FrameColour(std::uint32_t frame) { return 0xFF000000u | kFrameColours[frame % 4]; }

class AnimationViewerTest : public ViewerTest {
 protected:
  void Write(const std::wstring& name, const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    folder_.WriteBytes(L"pictures\\" + name, bytes);
  }
  std::uint32_t CentrePixel() const {
    const tv::PixelBox box = form_->View().PictureRect();
    return ScreenPixel(box.left + box.width / 2, box.top + box.height / 2);
  }
  // What the window itself holds at the picture's centre; the screen follows
  // it when the system next shows the window's surface.
  std::uint32_t WindowCentrePixel() const {
    const tv::PixelBox box = form_->View().PictureRect();
    POINT p{box.left + box.width / 2, box.top + box.height / 2};
    ::ScreenToClient(form_->Window(), &p);
    const tv::WindowDC dc(form_->Window());
    const COLORREF c = ::GetPixel(dc.get(), p.x, p.y);
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }

  // Watches an animation until its thread ends: the frames seen in order and
  // how many screen samples matched the frame on display.
  struct Watch {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> seen;  // (loop, frame)
    int samples = 0, mismatches = 0;
  };
  Watch WatchUntilEnd(int limitMs) {
    Watch watch;
    PumpUntil([&] {
      const auto before = form_->AnimationState();
      const std::uint32_t pixel = WindowCentrePixel();
      const auto after = form_->AnimationState();
      // Steps and their paints happen under one lock: a frame unchanged
      // around the sample is the frame on screen.
      if (before.frame == after.frame && before.loopsDone == after.loopsDone) {
        ++watch.samples;
        if (pixel != FrameColour(after.frame)) ++watch.mismatches;
      }
      const std::pair<std::uint32_t, std::uint32_t> now{after.loopsDone, after.frame};
      if (watch.seen.empty() || watch.seen.back() != now) watch.seen.push_back(now);
      return !form_->AnimationThreadRunning();
    }, limitMs);
    return watch;
  }
};

void ExpectInOrder(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& seen) {
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_LT(seen[i - 1], seen[i]) << i;
}

TEST_F(AnimationViewerTest, GifPlaysItsFramesOnScreenAndStopsAfterItsLoops) {
  Write(L"a.gif", SolidFramesGif(3, 64, {10}, 2));  // 100 ms a frame, two loops
  const ULONGLONG start = ::GetTickCount64();
  Start({pictures_ + L"\\a.gif"});
  ASSERT_EQ(form_->AnimationThreadsStarted(), 1);
  const Watch watch = WatchUntilEnd(10000);
  const ULONGLONG took = ::GetTickCount64() - start;
  ASSERT_FALSE(form_->AnimationThreadRunning());
  ExpectInOrder(watch.seen);
  EXPECT_GE(watch.seen.size(), 3u);
  EXPECT_GT(watch.samples, 0);
  EXPECT_EQ(watch.mismatches, 0);
  const auto end = form_->AnimationState();
  EXPECT_FALSE(end.animating);
  EXPECT_EQ(end.loopsDone, 2u);
  EXPECT_EQ(end.frame, 2u);
  EXPECT_TRUE(PumpUntil([&] { return CentrePixel() == FrameColour(2); }, 2000));  // the screen shows the last frame
  EXPECT_GE(took, 600u);  // never faster than its delays
}

TEST_F(AnimationViewerTest, WebpPlaysPreRenderedAndStreamedAndStopsAfterItsLoops) {
  Write(L"small.webp", SolidFramesWebp(3, 64, 80, 1));
  Write(L"large.webp", SolidFramesWebp(4, 1000, 80, 1));  // 128,000,000 bits: streamed
  for (const wchar_t* name : {L"small.webp", L"large.webp"}) {
    SCOPED_TRACE(name);
    Start({pictures_ + L"\\" + name});
    EXPECT_EQ(form_->Image().framesPreRendered(), std::wstring(name) == L"small.webp");
    const Watch watch = WatchUntilEnd(15000);
    ASSERT_FALSE(form_->AnimationThreadRunning());
    ExpectInOrder(watch.seen);
    EXPECT_EQ(watch.mismatches, 0);
    const auto end = form_->AnimationState();
    EXPECT_EQ(end.frame, end.frameCount - 1);
    EXPECT_TRUE(PumpUntil([&] { return CentrePixel() == FrameColour(end.frame); }, 2000));
  }
}

TEST_F(AnimationViewerTest, ADialogPausesTheAnimationAndItResumesAfter) {
  Write(L"a.gif", SolidFramesGif(2, 64, {5}, 0));
  Start({pictures_ + L"\\a.gif"}, true);
  ASSERT_TRUE(PumpUntil([&] { return form_->AnimationState().loopsDone >= 1; }));
  std::uint32_t loopsInDialog = 0;
  bool heldStill = false;
  WhileDialogOpen('I', [&] {
    const auto paused = form_->AnimationState();
    // Ten frame delays on the animation clock, pumping the dialog meanwhile.
    const std::int64_t until = tv::AnimationNow() + 500;
    PumpUntil([&] { return tv::AnimationNow() >= until; });
    const auto later = form_->AnimationState();
    heldStill = paused.frame == later.frame && paused.loopsDone == later.loopsDone;
    loopsInDialog = later.loopsDone;
  });
  EXPECT_TRUE(heldStill);
  EXPECT_TRUE(form_->AnimationThreadRunning());
  ASSERT_TRUE(PumpUntil([&] { return form_->AnimationState().loopsDone > loopsInDialog; }));
  // The time in the dialog was not made up for by skipping frames.
  EXPECT_EQ(form_->AnimationState().loopsDone, loopsInDialog + 1);
}

TEST_F(AnimationViewerTest, SteppingAwayStopsTheThreadEvenInALongFrame) {
  Write(L"a.gif", SolidFramesGif(2, 64, {6000}, 0));  // a minute a frame
  WritePicture(L"b.png", 0xFF808080);
  Start({pictures_});
  ASSERT_TRUE(form_->AnimationThreadRunning());
  Press(VK_SPACE);
  EXPECT_EQ(Shown(), L"b.png");
  // The stop waits for the thread to end, but only for a bounded time: a
  // thread still sleeping out its minute would be running now.
  EXPECT_FALSE(form_->AnimationThreadRunning());
}

TEST_F(AnimationViewerTest, RapidStepsThroughAnimationsNeitherCrashNorLeak) {
  Write(L"a.gif", SolidFramesGif(4, 48, {1}, 0));
  Write(L"b.gif", SolidFramesGif(3, 300, {1}, 0));
  Write(L"c.webp", SolidFramesWebp(3, 48, 10, 0));
  Write(L"d.webp", SolidFramesWebp(3, 400, 10, 0));
  Write(L"e.gif", SolidFramesGif(2, 32, {2}, 3));
  Start({pictures_});
  for (int i = 0; i < 10; ++i) Press(VK_SPACE);  // every picture once, caches warm
  const DWORD gdiBefore = GdiObjectCount();
  const DWORD handlesBefore = KernelHandleCount();
  ASSERT_GT(gdiBefore, 0u);  // both counts must be real for the comparison to mean anything
  ASSERT_GT(handlesBefore, 0u);
  for (int i = 0; i < 500; ++i) {
    Press(i % 7 == 6 ? VK_UP : VK_SPACE);
    if (i % 50 == 0) PumpUntil([&] { return form_->AnimationState().frame > 0 || !form_->AnimationThreadRunning(); }, 500);
  }
  EXPECT_EQ(form_->List().ActiveList().size(), 5u);
  EXPECT_LE(form_->AnimationThreadsStarted(), 511);
  DWORD gdiAfter = 0, handlesAfter = 0;
  PumpUntil([&] {
    gdiAfter = GdiObjectCount();
    handlesAfter = KernelHandleCount();
    return gdiAfter <= gdiBefore && handlesAfter <= handlesBefore;
  }, 3000);
  EXPECT_LE(gdiAfter, gdiBefore);
  EXPECT_LE(handlesAfter, handlesBefore);
  std::printf("GDI objects %lu -> %lu, handles %lu -> %lu\n", gdiBefore, gdiAfter, handlesBefore, handlesAfter);
}

}  // namespace
}  // namespace tvtest
