// Animated GIF and WebP through the loader, stepped on an explicit clock so
// frame order, loops and skips are exact.
#include <gtest/gtest.h>

#include <windows.h>

#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"
#include "tools/sample_files.h"

using namespace tv;

namespace {

constexpr std::uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};

std::string Gif(int frames, int side, std::vector<std::uint16_t> delays, std::uint16_t loops, bool animated = true) {
  std::vector<tvtest::GifFrame> list(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    list[i].indices.assign(static_cast<std::size_t>(side * side), static_cast<std::uint8_t>(i % 4));
    list[i].delayHundredths = i < static_cast<int>(delays.size()) ? delays[i] : 10;
  }
  return tvtest::MakeGif(side, side, {kColours[0], kColours[1], kColours[2], kColours[3]}, list, animated, loops);
}

std::string Webp(int frames, int side, int durationMs, std::uint16_t loops) {
  std::vector<tvtest::WebpFrame> list;
  for (int i = 0; i < frames; ++i) {
    const std::uint32_t argb = 0xFF000000u | kColours[i % 4];
    list.push_back({[argb](int, int) { return argb; }, durationMs});
  }
  return tvtest::MakeAnimatedWebp(side, side, list, loops);
}

// Scrambles the image data of the last frame of an animated WebP.
std::string CorruptLastWebpFrame(std::string webp) {
  const std::size_t frame = webp.rfind("VP8L");
  if (frame == std::string::npos) return {};
  for (std::size_t i = frame + 13; i < webp.size(); ++i) webp[i] = static_cast<char>(0xFF);
  return webp;
}

}  // namespace

class AnimationLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdiplus.ok());
    loader.SetPictureLock(&lock);
  }
  bool Load(const std::wstring& name, const std::string& bytes) {
    EXPECT_FALSE(bytes.empty());
    ImageEntry entry;
    entry.path = folder.WriteBytes(name, bytes);
    return loader.LoadFile(entry);
  }
  std::uint32_t SourcePixel() const {
    DIBSECTION s{};
    if (::GetObjectW(loader.sourceBitmap(), sizeof s, &s) != sizeof s) return 0xDEADBEEF;
    ::GdiFlush();
    return *static_cast<const std::uint32_t*>(s.dsBm.bmBits) & 0xFFFFFF;
  }
  // Steps whenever the next frame is due; the colours of the frames shown.
  std::vector<std::uint32_t> Play(int steps) {
    std::vector<std::uint32_t> shown{SourcePixel()};
    std::int64_t now = AnimationNow();
    for (int i = 0; i < steps && loader.animating(); ++i) {
      now += loader.AnimationTimeLeft(now);
      if (!loader.StepAnimation(now)) break;
      shown.push_back(SourcePixel());
    }
    return shown;
  }

  GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  CriticalSection lock;
  LoadedImage loader;
};

TEST_F(AnimationLoaderTest, GifLoopCountAndDelaysAreReadFromItsBlocks) {
  ASSERT_TRUE(Load(L"a.gif", Gif(3, 16, {0, 5, 1}, 2)));
  EXPECT_EQ(loader.animationKind(), 1);
  EXPECT_EQ(loader.loopCount(), 2u);
  EXPECT_EQ(loader.frameDelays(), (std::vector<std::uint32_t>{100, 50, 10}));
  ASSERT_TRUE(Load(L"b.gif", Gif(2, 16, {7, 7}, 0)));
  EXPECT_EQ(loader.loopCount(), 0u);
}

TEST_F(AnimationLoaderTest, GifFramesPlayInOrderPreRenderedAndFrameByFrame) {
  for (const std::uint64_t limit : {kPreRenderLimitBits, std::uint64_t{0}}) {
    SCOPED_TRACE(limit);
    loader.SetPreRenderLimit(limit);
    ASSERT_TRUE(Load(L"a.gif", Gif(3, 16, {2, 2, 2}, 2)));
    EXPECT_EQ(loader.framesPreRendered(), limit != 0);
    const std::uint32_t r = kColours[0], g = kColours[1], b = kColours[2];
    EXPECT_EQ(Play(20), (std::vector<std::uint32_t>{r, g, b, r, g, b}));
    EXPECT_FALSE(loader.animating());
    EXPECT_EQ(loader.animationClock().currentFrame(), 2u);  // the last frame stays
  }
}

TEST_F(AnimationLoaderTest, WebpFramesPlayInOrderPreRenderedAndStreamed) {
  for (const std::uint64_t limit : {kPreRenderLimitBits, std::uint64_t{0}}) {
    SCOPED_TRACE(limit);
    loader.SetPreRenderLimit(limit);
    ASSERT_TRUE(Load(L"a.webp", Webp(3, 16, 20, 2)));
    EXPECT_EQ(loader.animationKind(), 2);
    EXPECT_EQ(loader.framesPreRendered(), limit != 0);
    const std::uint32_t r = kColours[0], g = kColours[1], b = kColours[2];
    EXPECT_EQ(Play(20), (std::vector<std::uint32_t>{r, g, b, r, g, b}));
    EXPECT_FALSE(loader.animating());
  }
}

TEST_F(AnimationLoaderTest, WebpCorruptFrameEndsTheAnimationBeforeIt) {
  const std::string corrupt = CorruptLastWebpFrame(Webp(3, 16, 20, 0));
  for (const std::uint64_t limit : {kPreRenderLimitBits, std::uint64_t{0}}) {
    SCOPED_TRACE(limit);
    loader.SetPreRenderLimit(limit);
    ASSERT_TRUE(Load(L"bad.webp", corrupt));
    const std::uint32_t r = kColours[0], g = kColours[1];
    EXPECT_EQ(Play(6), (std::vector<std::uint32_t>{r, g, r, g, r, g, r}));
    EXPECT_EQ(loader.animationClock().frameCount(), 2u);
  }
  EXPECT_FALSE(Load(L"none.webp", CorruptLastWebpFrame(Webp(1, 16, 20, 0))));
}

TEST_F(AnimationLoaderTest, StillGifWithGraphicControlIsNoAnimation) {
  const std::string still = Gif(1, 32, {10}, 0);
  ASSERT_GE(still.size(), 1024u);
  ASSERT_TRUE(Load(L"still.gif", still));
  EXPECT_EQ(loader.animationKind(), 0);
  EXPECT_FALSE(loader.animating());
  EXPECT_LT(loader.AnimationTimeLeft(AnimationNow()), 0);
}

TEST_F(AnimationLoaderTest, PreRenderingIsCappedByFrameCount) {
  ASSERT_TRUE(Load(L"many.gif", Gif(1001, 2, {}, 0)));
  ASSERT_EQ(loader.frameCount(), 1001u);
  EXPECT_FALSE(loader.framesPreRendered());
  ASSERT_TRUE(Load(L"some.gif", Gif(1000, 2, {}, 0)));
  EXPECT_TRUE(loader.framesPreRendered());
  EXPECT_EQ(loader.preRenderedBytes(), 1000u * 2 * 2 * 4);
}

TEST_F(AnimationLoaderTest, PausedTimeIsNotCountedAsLateness) {
  ASSERT_TRUE(Load(L"a.gif", Gif(4, 8, {10, 10, 10, 10}, 0)));
  const std::int64_t start = AnimationNow();
  loader.PauseAnimation(start);
  loader.ResumeAnimation(start + 600000);  // ten minutes in a dialog
  const std::int64_t due = start + 600000 + loader.AnimationTimeLeft(start + 600000);
  EXPECT_GE(due, start + 600000);
  ASSERT_TRUE(loader.StepAnimation(due));
  EXPECT_EQ(loader.animationClock().currentFrame(), 1u);
  EXPECT_EQ(loader.animationClock().skippedThisLoop() + loader.animationClock().loopsDone(), 0u);
}
