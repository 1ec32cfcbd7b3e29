// What the GIF block walks read from real and damaged files: whether it is an
// animation, and its loop count and delays.
#include <gtest/gtest.h>

#include "imaging/gif_animation_info.h"
#include "imaging/gif_blocks.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;

namespace {
// 16 x 16 frames, frame i all of colour i, with these delays.
std::string Gif(const std::vector<std::uint16_t>& delays, bool animated, std::uint16_t loops = 0) {
  std::vector<tvtest::GifFrame> list;
  for (std::size_t i = 0; i < delays.size(); ++i)
    list.push_back({std::vector<std::uint8_t>(256, static_cast<std::uint8_t>(i)), delays[i]});
  return tvtest::MakeGif(16, 16, {0xFF0000, 0xFF}, list, animated, loops);
}
bool Animated(const std::string& gif) { return IsAnimatedGif(Bytes(gif), gif.size()); }
GifAnimationInfo Read(const std::string& gif) { return ReadGifAnimationInfo(Bytes(gif), gif.size()); }
}  // namespace

TEST(IsAnimatedGif, GraphicControlBeforeAnImageMakesItAnimated) {
  ASSERT_GE(Gif({10}, false).size(), 1024u);
  EXPECT_TRUE(Animated(Gif({10}, true)));
  EXPECT_TRUE(Animated(Gif({10, 10}, true)));
  EXPECT_FALSE(Animated(Gif({10}, false)));
  const std::string gif = Gif({10}, true);
  EXPECT_FALSE(IsAnimatedGif(Bytes(gif), 1023));
  for (std::size_t at : {0u, 4u, 5u, 13u + 768u}) {  // header bytes, the first block after the colour table
    std::string bad = gif;
    bad[at] = '\x55';
    EXPECT_FALSE(Animated(bad)) << at;
  }
}

TEST(IsAnimatedGif, EveryTruncationIsSafeAndNeverAnimatedBeforeTheImage) {
  const std::string gif = Gif({10}, true);
  const std::size_t image = gif.rfind('\x2C', gif.size() - 300);
  for (std::size_t n = 0; n < image; ++n) EXPECT_FALSE(Animated(gif.substr(0, n))) << n;
  for (std::size_t n = image; n <= gif.size(); ++n) (void)Animated(gif.substr(0, n));
}

// Loop counts and delays of whole files are read through the loader.
TEST(GifAnimationInfo, WithoutBlocksPlaysOnceWithDefaultDelays) {
  const GifAnimationInfo info = Read(Gif({9, 9, 9}, false));
  EXPECT_FALSE(info.hasLoopCount);
  EXPECT_EQ(GifLoopsToPlay(info), 1u);
  EXPECT_EQ(info.delaysHundredths, (std::vector<std::uint16_t>{0, 0, 0}));
}

TEST(GifAnimationInfo, TruncatedOrDamagedFilesGiveWhatCameBefore) {
  const std::string gif = Gif({3, 4, 5}, true, 7);
  std::size_t longest = 0;
  for (std::size_t n = 0; n <= gif.size(); ++n) {
    const GifAnimationInfo info = Read(gif.substr(0, n));
    EXPECT_LE(info.delaysHundredths.size(), 3u);
    EXPECT_GE(info.delaysHundredths.size(), longest) << n;  // never fewer for more bytes
    longest = info.delaysHundredths.size();
    if (info.hasLoopCount) {
      EXPECT_EQ(info.loopCount, 7);
    }
  }
  EXPECT_EQ(longest, 3u);
  std::string bad = gif;
  bad[13 + 768] = '\x55';  // an unknown block right after the colour table
  EXPECT_TRUE(Read(bad).delaysHundredths.empty());
  EXPECT_TRUE(ReadGifAnimationInfo(nullptr, 100).delaysHundredths.empty());
}
