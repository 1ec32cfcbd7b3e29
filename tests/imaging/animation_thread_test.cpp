#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "imaging/animation_thread.h"

using namespace tv;

namespace {

// Frames due every `periodMs`; counts them and ends after `frames` (0: never).
class CountingPacer : public AnimationPacer {
 public:
  using Clock = std::chrono::steady_clock;
  explicit CountingPacer(std::int64_t periodMs, int frames = 0) : periodMs_(periodMs), frames_(frames) {}
  std::int64_t TimeLeftMs() override {
    if (ended_) return -1;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due_.load() - Clock::now()).count();
    return left > 0 ? left : 0;
  }
  bool AdvanceFrame() override {
    if (holding) ++advancedWhileHeld;
    due_ = Clock::now() + std::chrono::milliseconds(periodMs_);
    const int n = ++advanced;
    if (frames_ > 0 && n >= frames_) ended_ = true;
    return !ended_;
  }
  void AnimationEnded() override { ++endings; }

  // Set by the test between an acknowledged pause and the resume. A frame
  // already under way when the pause is asked for may finish; none may start.
  std::atomic<bool> holding{false};
  std::atomic<int> advanced{0};
  std::atomic<int> endings{0};
  std::atomic<int> advancedWhileHeld{0};

 private:
  std::int64_t periodMs_;
  int frames_;
  std::atomic<Clock::time_point> due_{Clock::now()};
  std::atomic<bool> ended_{false};
};

template <typename Done>
bool WaitFor(Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

}  // namespace

TEST(AnimationThread, AdvancesUntilTheAnimationEndsThenPaintsOnceMore) {
  CountingPacer pacer(1, 5);
  AnimationThread thread(pacer);
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(WaitFor([&] { return !thread.Running(); }));
  EXPECT_EQ(pacer.advanced, 5);
  EXPECT_EQ(pacer.endings, 1);
}

TEST(AnimationThread, StopWakesAThreadInALongFrameDelay) {
  CountingPacer pacer(3600 * 1000);  // an hour: only a wake-up ends the wait
  AnimationThread thread(pacer);
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(WaitFor([&] { return pacer.advanced == 1; }));
  thread.RequestStop();
  EXPECT_TRUE(thread.WaitEnded(std::chrono::milliseconds(100)));
  EXPECT_FALSE(thread.Running());
  EXPECT_EQ(pacer.endings, 0);  // stopped, not ended: no last paint of a picture on its way out
}

TEST(AnimationThread, PauseHoldsTheThreadBetweenFramesUntilResumed) {
  CountingPacer pacer(1);
  AnimationThread thread(pacer);
  ASSERT_TRUE(thread.Start());
  for (int round = 0; round < 20; ++round) {
    ASSERT_TRUE(WaitFor([&] { return pacer.advanced > round * 3; }));
    ASSERT_TRUE(thread.Pause());
    pacer.holding = true;
    const int held = pacer.advanced;
    EXPECT_TRUE(thread.Running());
    std::this_thread::yield();
    EXPECT_EQ(pacer.advanced, held);
    pacer.holding = false;
    thread.Resume();
  }
  EXPECT_EQ(pacer.advancedWhileHeld, 0);
  ASSERT_TRUE(thread.Pause());
  EXPECT_TRUE(thread.Stop());  // a paused thread stops too
  EXPECT_EQ(thread.StartedCount(), 1);
}

TEST(AnimationThread, StartReplacesTheEarlierThreadAndPauseWithoutThreadReturns) {
  CountingPacer pacer(10);
  AnimationThread thread(pacer);
  EXPECT_TRUE(thread.Pause());
  thread.Resume();
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(thread.Start());
  EXPECT_EQ(thread.StartedCount(), 50);
  EXPECT_TRUE(thread.Stop());
  EXPECT_TRUE(thread.Stop());
}
