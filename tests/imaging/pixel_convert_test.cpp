#include "imaging/pixel_convert.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The blend every flattening path must produce, written out per channel.
std::uint32_t Expected(std::uint32_t pixel, std::uint32_t fill) {
  const unsigned a = pixel >> 24, back = 255 - a;
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned c = (pixel >> shift) & 0xFF, f = (fill >> shift) & 0xFF;
    out |= ((c * a + f * back + 127) / 255) << shift;
  }
  return out;
}

// Every alpha value, with opaque runs long enough to take the fast path and
// a tail that is not a whole run.
std::vector<std::uint32_t> MixedPixels() {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t a = 0; a < 256; ++a) pixels.push_back((a << 24) | (a * 0x010203u & 0xFFFFFF));
  for (int i = 0; i < 40; ++i) pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(i * 0x0A0B0C));
  pixels.push_back(0x80FF8040u);
  for (int i = 0; i < 7; ++i) pixels.push_back(0xFF123456u);
  return pixels;
}

constexpr std::uint32_t kFill = 0x00336699u;

TEST(PixelConvert, FlattenInPlaceMatchesTheBlendForEveryAlpha) {
  std::vector<std::uint32_t> pixels = MixedPixels();
  const std::vector<std::uint32_t> original = pixels;
  tv::FlattenOntoFill(pixels.data(), pixels.size(), kFill);
  for (std::size_t i = 0; i < pixels.size(); ++i) ASSERT_EQ(pixels[i], Expected(original[i], kFill)) << "pixel " << i;
  EXPECT_EQ(pixels[0], 0xFF336699u);  // fully transparent shows the fill
}

TEST(PixelConvert, CopyFlattenedMatchesTheBlendAndLeavesTheSource) {
  const std::vector<std::uint32_t> source = MixedPixels();
  std::vector<std::uint32_t> target(source.size() + 1, 0xDEADBEEFu);
  tv::CopyFlattened(source.data(), target.data(), source.size(), kFill);
  for (std::size_t i = 0; i < source.size(); ++i) ASSERT_EQ(target[i], Expected(source[i], kFill)) << "pixel " << i;
  EXPECT_EQ(target.back(), 0xDEADBEEFu);  // nothing written past the count
  EXPECT_EQ(source, MixedPixels());
}

TEST(PixelConvert, OpaqueCopiesSetAlphaAndKeepColours) {
  const std::vector<std::uint32_t> source = {0x00102030u, 0x7F405060u, 0xFF708090u};
  std::vector<std::uint32_t> target(4, 0);
  tv::CopyOpaque(source.data(), target.data(), source.size());
  EXPECT_EQ(target, (std::vector<std::uint32_t>{0xFF102030u, 0xFF405060u, 0xFF708090u, 0}));

  const std::uint8_t bgr[] = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0xFF, 0x00, 0x80};
  std::vector<std::uint32_t> expanded(4, 0);
  tv::ExpandBgrOpaque(bgr, expanded.data(), 3);
  EXPECT_EQ(expanded, (std::vector<std::uint32_t>{0xFF102030u, 0xFF405060u, 0xFF8000FFu, 0}));
}

}  // namespace
