#include <gtest/gtest.h>

#include "imaging/gif_blocks.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;

namespace {
std::string Gif(bool animated, int frames = 1) {
  std::vector<tvtest::GifFrame> list;
  for (int i = 0; i < frames; ++i) list.push_back({std::vector<std::uint8_t>(256, static_cast<std::uint8_t>(i)), 10});
  return tvtest::MakeGif(16, 16, {0xFF0000, 0xFF}, list, animated);
}
bool Animated(const std::string& gif) { return IsAnimatedGif(Bytes(gif), gif.size()); }
}  // namespace

TEST(IsAnimatedGif, GraphicControlBeforeAnImageMakesItAnimated) {
  ASSERT_GE(Gif(false).size(), 1024u);
  EXPECT_TRUE(Animated(Gif(true)));
  EXPECT_TRUE(Animated(Gif(true, 2)));
  EXPECT_FALSE(Animated(Gif(false)));
  const std::string gif = Gif(true);
  EXPECT_FALSE(IsAnimatedGif(Bytes(gif), 1023));
  for (std::size_t at : {0u, 4u, 5u, 13u + 768u}) {  // header bytes, the first block after the colour table
    std::string bad = gif;
    bad[at] = '\x55';
    EXPECT_FALSE(Animated(bad)) << at;
  }
}

TEST(IsAnimatedGif, EveryTruncationIsSafeAndNeverAnimatedBeforeTheImage) {
  const std::string gif = Gif(true);
  const std::size_t image = gif.rfind('\x2C', gif.size() - 300);
  for (std::size_t n = 0; n < image; ++n) EXPECT_FALSE(Animated(gif.substr(0, n))) << n;
  for (std::size_t n = image; n <= gif.size(); ++n) (void)Animated(gif.substr(0, n));
}
