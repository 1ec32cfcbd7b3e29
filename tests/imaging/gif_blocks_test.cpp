#include <gtest/gtest.h>

#include "imaging/gif_blocks.h"
#include "tests/support/test_files.h"

using namespace tv;
using tvtest::Bytes;

namespace {
tvtest::GifFrame Frame(int pixels, std::uint8_t index) {
  return {std::vector<std::uint8_t>(static_cast<std::size_t>(pixels), index), 10};
}
}  // namespace

TEST(IsAnimatedGif, GraphicControlFollowedByImageIsAnimated) {
  const std::string gif = tvtest::MakeGif(16, 16, {0xFF0000}, {Frame(256, 0)}, true);
  ASSERT_GE(gif.size(), 1024u);
  EXPECT_TRUE(IsAnimatedGif(Bytes(gif), gif.size()));
  const std::string two = tvtest::MakeGif(16, 16, {0xFF0000, 0xFF}, {Frame(256, 0), Frame(256, 1)}, true);
  EXPECT_TRUE(IsAnimatedGif(Bytes(two), two.size()));
}

TEST(IsAnimatedGif, StillGifWithoutExtensionIsNot) {
  const std::string gif = tvtest::MakeGif(16, 16, {0xFF0000}, {Frame(256, 0)}, false);
  ASSERT_GE(gif.size(), 1024u);
  EXPECT_FALSE(IsAnimatedGif(Bytes(gif), gif.size()));
}

TEST(IsAnimatedGif, SmallFilesBadHeadersAndUnknownBlocksAreNot) {
  const std::string gif = tvtest::MakeGif(16, 16, {0xFF0000}, {Frame(256, 0)}, true);
  EXPECT_FALSE(IsAnimatedGif(Bytes(gif), 1023));
  for (std::size_t at : {0u, 4u, 5u}) {
    std::string bad = gif;
    bad[at] = 'x';
    EXPECT_FALSE(IsAnimatedGif(Bytes(bad), bad.size())) << at;
  }
  std::string unknown = gif;
  unknown[13 + 768] = '\x55';  // the first block after the colour table
  EXPECT_FALSE(IsAnimatedGif(Bytes(unknown), unknown.size()));
}

TEST(IsAnimatedGif, EveryTruncationIsSafeAndNeverAnimatedBeforeTheImage) {
  const std::string gif = tvtest::MakeGif(16, 16, {0xFF0000}, {Frame(256, 0)}, true);
  const std::size_t image = gif.rfind('\x2C', gif.size() - 300);
  for (std::size_t n = 0; n <= gif.size(); ++n) {
    const std::string cut = gif.substr(0, n);
    const bool animated = IsAnimatedGif(Bytes(cut), cut.size());
    if (n < image) {
      EXPECT_FALSE(animated) << n;
    }
  }
}
