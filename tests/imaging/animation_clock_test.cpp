#include <gtest/gtest.h>

#include <map>

#include "imaging/animation_clock.h"

using namespace tv;

// GIF delays of 0, 1 and 5 hundredths are read through the loader.
TEST(FrameDelay, ZeroBecomesTheDefaultAndShortDelaysStay) {
  EXPECT_EQ(GifFrameDelayMs(65535), 655350u);
  EXPECT_EQ(FrameDelayMs(-5), 100u);
  EXPECT_EQ(FrameDelayMs(0), 100u);
  EXPECT_EQ(FrameDelayMs(1), 1u);
}

TEST(PreRender, DecidedByTotalBitsAndByFrameCount) {
  EXPECT_TRUE(ShouldPreRender(100, 100, 100));     // 32,000,000 bits
  EXPECT_FALSE(ShouldPreRender(1000, 1000, 4));    // 128,000,000 bits
  EXPECT_TRUE(ShouldPreRender(1000, 1000, 3));     // 96,000,000
  EXPECT_FALSE(ShouldPreRender(1, 1, 1001));       // GDI objects, not bits
  EXPECT_TRUE(ShouldPreRender(1, 1, 1000));
  EXPECT_FALSE(ShouldPreRender(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu));  // no overflow into "small"
  EXPECT_FALSE(ShouldPreRender(65536, 65536, 2));
  EXPECT_FALSE(ShouldPreRender(10, 10, 0));
  // exactly at the limit is not below it: 3125 frames of 1000 pixels make 1e8 bits
  EXPECT_FALSE(ShouldPreRender(1000, 1, 3125, kPreRenderLimitBits, 10000));
  EXPECT_TRUE(ShouldPreRender(1000, 1, 3124, kPreRenderLimitBits, 10000));
}

TEST(FrameClock, StepsOnTimeThroughLoopsAndStopsOnTheLastFrame) {
  FrameClock clock;
  clock.Start({100, 200, 300}, 2, 0);
  EXPECT_EQ(clock.TimeLeft(40), 60);
  std::int64_t now = 0;
  std::vector<std::uint32_t> shown;
  for (int i = 0; i < 10; ++i) {
    now += clock.TimeLeft(now);
    if (!clock.Step(now)) break;
    shown.push_back(clock.currentFrame());
  }
  EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 2, 0, 1, 2}));
  EXPECT_EQ(now, 1200);  // two loops of 600 ms
  EXPECT_TRUE(clock.Finished());
  EXPECT_EQ(clock.currentFrame(), 2u);
  EXPECT_EQ(clock.loopsDone(), 2u);
  EXPECT_EQ(clock.skippedThisLoop() + clock.skippedLastLoop(), 0u);
}

TEST(FrameClock, LoopCountZeroNeverEnds) {
  FrameClock clock;
  clock.Start({10, 10}, 0, 0);
  std::int64_t now = 0;
  for (int i = 0; i < 5000; ++i) ASSERT_TRUE(clock.Step(now += 10));
  EXPECT_EQ(clock.loopsDone(), 2500u);
}

TEST(FrameClock, LatePaintingSkipsFramesAndKeepsTheLoopLength) {
  FrameClock clock;
  clock.Start(std::vector<std::uint32_t>(10, 100), 0, 0);
  ASSERT_TRUE(clock.Step(1000));  // painting held up for a second
  EXPECT_EQ(clock.currentFrame(), 0u);  // frame 10 of the time line: the next loop's first
  EXPECT_EQ(clock.skippedLastLoop(), 9u);
  EXPECT_EQ(clock.TimeLeft(1000), 100);
  ASSERT_TRUE(clock.Step(1100));
  EXPECT_EQ(clock.currentFrame(), 1u);
}

TEST(FrameClock, CatchingUpPastTheLastLoopEndsOnTheLastFrame) {
  FrameClock clock;
  clock.Start({100, 100, 100}, 1, 0);
  EXPECT_TRUE(clock.Step(5000));
  EXPECT_EQ(clock.currentFrame(), 2u);
  EXPECT_TRUE(clock.Finished());
  EXPECT_FALSE(clock.Step(5100));
  EXPECT_EQ(clock.currentFrame(), 2u);
}

namespace {
// A forward-only decoder over frames with these end times; failAt: the
// index whose decode fails (-1: none).
struct FakeStream {
  std::vector<std::int64_t> timestamps;
  int failAt = -1;
  int next = 0;
  int decodes = 0;
  StreamedFrame operator()(bool fromStart) {
    if (fromStart) next = 0;
    ++decodes;
    if (next >= static_cast<int>(timestamps.size()) || next == failAt) return {};
    return {true, timestamps[static_cast<std::size_t>(next++)]};
  }
};
}  // namespace

TEST(FrameClock, StreamedFramesPlayTheirDurationsAndLoops) {
  FakeStream stream{{0, 100, 300}};  // frame 0 lasts 0 ms: shown for 100
  FrameClock clock;
  stream(true);
  clock.StartStreamed(3, 2, 0, 0);
  EXPECT_EQ(clock.TimeLeft(0), 100);
  std::int64_t now = 0;
  std::vector<std::uint32_t> shown;
  DecodeNextFrame next = [&](bool fromStart) { return stream(fromStart); };
  for (int i = 0; i < 10; ++i) {
    now += clock.TimeLeft(now);
    if (!clock.StepStreamed(now, next)) break;
    shown.push_back(clock.currentFrame());
  }
  EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 2, 0, 1, 2}));
  EXPECT_EQ(clock.currentFrame(), 2u);  // the last frame stays
  EXPECT_EQ(now, 2 * (100 + 100 + 200));
}

TEST(FrameClock, StreamedCatchUpSkipsButNeverDecodesMoreThanALoop) {
  FakeStream stream{{100, 200, 300, 400}};
  stream(true);
  FrameClock clock;
  clock.StartStreamed(4, 0, 100, 0);
  DecodeNextFrame next = [&](bool fromStart) { return stream(fromStart); };
  stream.decodes = 0;
  ASSERT_TRUE(clock.StepStreamed(350, next));  // frames 1 and 2 are over
  EXPECT_EQ(clock.currentFrame(), 3u);
  EXPECT_EQ(clock.skippedThisLoop(), 2u);
  stream.decodes = 0;
  ASSERT_TRUE(clock.StepStreamed(10000000, next));  // hours late
  EXPECT_LE(stream.decodes, 5);
}

TEST(FrameClock, StreamedCorruptFrameEndsTheLoopAndAFailingFirstFrameStops) {
  FakeStream stream{{100, 200, 300, 400}, 2};
  stream(true);
  FrameClock clock;
  clock.StartStreamed(4, 0, 100, 0);
  DecodeNextFrame next = [&](bool fromStart) { return stream(fromStart); };
  ASSERT_TRUE(clock.StepStreamed(100, next));
  EXPECT_EQ(clock.currentFrame(), 1u);
  ASSERT_TRUE(clock.StepStreamed(200, next));  // frame 2 is corrupt: back to 0
  EXPECT_EQ(clock.currentFrame(), 0u);
  EXPECT_EQ(clock.frameCount(), 2u);
  EXPECT_EQ(clock.loopsDone(), 1u);
  stream.failAt = 0;
  ASSERT_TRUE(clock.StepStreamed(300, next));
  EXPECT_FALSE(clock.StepStreamed(400, next));
}
