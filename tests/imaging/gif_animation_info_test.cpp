#include <gtest/gtest.h>

#include "imaging/gif_animation_info.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;

namespace {
std::string Gif(std::vector<std::uint16_t> delays, bool animated, std::uint16_t loops) {
  std::vector<tvtest::GifFrame> frames;
  for (std::uint16_t delay : delays) frames.push_back({std::vector<std::uint8_t>(64, 1), delay});
  return tvtest::MakeGif(8, 8, {0xFF0000, 0xFF}, frames, animated, loops);
}
GifAnimationInfo Read(const std::string& gif) { return ReadGifAnimationInfo(Bytes(gif), gif.size()); }
}  // namespace

TEST(GifAnimationInfo, ReadsLoopCountAndOneDelayPerImage) {
  const GifAnimationInfo info = Read(Gif({0, 5, 1, 300}, true, 2));
  EXPECT_TRUE(info.hasLoopCount);
  EXPECT_EQ(info.loopCount, 2);
  EXPECT_EQ(info.delaysHundredths, (std::vector<std::uint16_t>{0, 5, 1, 300}));
  EXPECT_EQ(GifLoopsToPlay(info), 2u);
  EXPECT_EQ(Read(Gif({7, 7}, true, 0)).loopCount, 0);
}

TEST(GifAnimationInfo, WithoutBlocksPlaysOnceWithDefaultDelays) {
  const GifAnimationInfo info = Read(Gif({9, 9, 9}, false, 0));
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
