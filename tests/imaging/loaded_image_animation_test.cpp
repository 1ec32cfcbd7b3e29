// Animated GIF and WebP through the loader, stepped on an explicit clock so
// frame order, loops and skips are exact.
#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>

#include "tests/imaging/loader_fixture.h"
#include "tests/imaging/picture_files.h"

using namespace tv;
using tvtest::kFrameColours;
using tvtest::SolidFramesGif;
using tvtest::SolidFramesWebp;

namespace {

// Scrambles the image data of the last frame of an animated WebP.
std::string CorruptLastWebpFrame(std::string webp) {
  const std::size_t frame = webp.rfind("VP8L");
  if (frame == std::string::npos) return {};
  for (std::size_t i = frame + 13; i < webp.size(); ++i) webp[i] = static_cast<char>(0xFF);
  return webp;
}

}  // namespace

class AnimationLoaderTest : public tvtest::LoaderFixture {
 protected:
  // Steps whenever the next frame is due; the colours of the frames shown.
  std::vector<std::uint32_t> Play(int steps) {
    std::vector<std::uint32_t> shown{SourcePixel(0, 0)};
    std::int64_t now = AnimationNow();
    for (int i = 0; i < steps && loader.animating(); ++i) {
      now += loader.AnimationTimeLeft(now);
      if (!loader.StepAnimation(now)) break;
      shown.push_back(SourcePixel(0, 0));
    }
    return shown;
  }
};

// A delay of 0 counts as 100 ms in both formats.
TEST_F(AnimationLoaderTest, LoopCountsAndDelaysAreReadAndAnimatedGifsAreInternalWhateverTheMask) {
  loader.SetInternalLoaderMask(L"");
  ASSERT_TRUE(Load(L"a.gif", SolidFramesGif(3, 16, {0, 5, 1}, 2)));
  EXPECT_EQ(loader.decoderKind(), DecoderKind::Gdiplus);
  EXPECT_EQ(loader.animationKind(), 1);
  EXPECT_EQ(loader.frameCount(), 3u);
  EXPECT_EQ(loader.loopCount(), 2u);
  EXPECT_EQ(loader.frameDelays(), (std::vector<std::uint32_t>{100, 50, 10}));
  EXPECT_EQ(SourcePixel(5, 5), kFrameColours[0]);
  ASSERT_TRUE(Load(L"b.gif", SolidFramesGif(2, 16, {7}, 0)));
  EXPECT_EQ(loader.loopCount(), 0u);
  const auto solid = [](std::uint32_t c) { return [c](int, int) { return 0xFF000000u | c; }; };
  ASSERT_TRUE(Load(L"c.webp", tvtest::MakeAnimatedWebp(16, 12, {{solid(kFrameColours[0]), 0},
                                                              {solid(kFrameColours[1]), 250},
                                                              {solid(kFrameColours[2]), 40}}, 3)));
  EXPECT_EQ(loader.animationKind(), 2);
  EXPECT_EQ(loader.frameCount(), 3u);
  EXPECT_EQ(loader.loopCount(), 3u);
  EXPECT_EQ(loader.frameDelays(), (std::vector<std::uint32_t>{100, 250, 40}));
  EXPECT_EQ(SourcePixel(5, 5), kFrameColours[0]);
}

TEST_F(AnimationLoaderTest, FramesPlayInOrderPreRenderedAndOneByOne) {
  const std::uint32_t r = kFrameColours[0], g = kFrameColours[1], b = kFrameColours[2];
  for (const auto& [name, bytes, kind] : {std::tuple{L"a.gif", SolidFramesGif(3, 16, {2}, 2), 1},
                                          std::tuple{L"a.webp", SolidFramesWebp(3, 16, 20, 2), 2}})
    for (const std::uint64_t limit : {kPreRenderLimitBits, std::uint64_t{0}}) {
      SCOPED_TRACE(testing::Message() << name << " limit " << limit);
      loader.SetPreRenderLimit(limit);
      ASSERT_TRUE(Load(name, bytes));
      EXPECT_EQ(loader.animationKind(), kind);
      EXPECT_EQ(loader.framesPreRendered(), limit != 0);
      EXPECT_EQ(Play(20), (std::vector<std::uint32_t>{r, g, b, r, g, b}));
      EXPECT_FALSE(loader.animating());
      EXPECT_EQ(loader.animationClock().currentFrame(), 2u);  // the last frame stays
    }
}

TEST_F(AnimationLoaderTest, WebpCorruptFrameEndsTheAnimationBeforeIt) {
  const std::string corrupt = CorruptLastWebpFrame(SolidFramesWebp(3, 16, 20, 0));
  for (const std::uint64_t limit : {kPreRenderLimitBits, std::uint64_t{0}}) {
    SCOPED_TRACE(limit);
    loader.SetPreRenderLimit(limit);
    ASSERT_TRUE(Load(L"bad.webp", corrupt));
    const std::uint32_t r = kFrameColours[0], g = kFrameColours[1];
    EXPECT_EQ(Play(6), (std::vector<std::uint32_t>{r, g, r, g, r, g, r}));
    EXPECT_EQ(loader.animationClock().frameCount(), 2u);
  }
  EXPECT_FALSE(Load(L"none.webp", CorruptLastWebpFrame(SolidFramesWebp(1, 16, 20, 0))));
}

TEST_F(AnimationLoaderTest, StillGifWithGraphicControlIsNoAnimation) {
  const std::string still = SolidFramesGif(1, 32, {10}, 0);
  ASSERT_GE(still.size(), 1024u);
  ASSERT_TRUE(Load(L"still.gif", still));
  EXPECT_EQ(loader.animationKind(), 0);
  EXPECT_FALSE(loader.animating());
  EXPECT_LT(loader.AnimationTimeLeft(AnimationNow()), 0);
}

TEST_F(AnimationLoaderTest, PreRenderingIsCappedByFrameCount) {
  ASSERT_TRUE(Load(L"many.gif", SolidFramesGif(1001, 2, {}, 0)));
  ASSERT_EQ(loader.frameCount(), 1001u);
  EXPECT_FALSE(loader.framesPreRendered());
  ASSERT_TRUE(Load(L"some.gif", SolidFramesGif(1000, 2, {}, 0)));
  EXPECT_TRUE(loader.framesPreRendered());
  EXPECT_EQ(loader.preRenderedBytes(), 1000u * 2 * 2 * 4);
}

TEST_F(AnimationLoaderTest, PausedTimeIsNotCountedAsLateness) {
  ASSERT_TRUE(Load(L"a.gif", SolidFramesGif(4, 8, {10, 10, 10, 10}, 0)));
  const std::int64_t start = AnimationNow();
  loader.PauseAnimation(start);
  loader.ResumeAnimation(start + 600000);  // ten minutes in a dialog
  const std::int64_t due = start + 600000 + loader.AnimationTimeLeft(start + 600000);
  EXPECT_GE(due, start + 600000);
  ASSERT_TRUE(loader.StepAnimation(due));
  EXPECT_EQ(loader.animationClock().currentFrame(), 1u);
  EXPECT_EQ(loader.animationClock().skippedThisLoop() + loader.animationClock().loopsDone(), 0u);
}
