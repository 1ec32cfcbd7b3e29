#include "imaging/pixel_convert.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The blend every flattening path must produce, written out per channel.
std::uint32_t Expected(std::uint32_t pixel, std::uint32_t fill) {
  const unsigned a = pixel >> 24;
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= ((((pixel >> shift) & 0xFF) * a + ((fill >> shift) & 0xFF) * (255 - a) + 127) / 255) << shift;
  return out;
}

// Every alpha value, opaque runs long enough for the fast path, and a tail
// that is not a whole run.
std::vector<std::uint32_t> MixedPixels() {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t a = 0; a < 256; ++a) pixels.push_back((a << 24) | (a * 0x010203u & 0xFFFFFF));
  for (int i = 0; i < 40; ++i) pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(i * 0x0A0B0C));
  pixels.push_back(0x80FF8040u);
  pixels.insert(pixels.end(), 7, 0xFF123456u);
  return pixels;
}

constexpr std::uint32_t kFill = 0x00336699u;

TEST(PixelConvert, FlattenInPlaceAndCopyMatchTheBlendForEveryAlpha) {
  const std::vector<std::uint32_t> source = MixedPixels();
  std::vector<std::uint32_t> inPlace = source, copy(source.size() + 1, 0xDEADBEEFu);
  tv::FlattenOntoFill(inPlace.data(), inPlace.size(), kFill);
  tv::CopyFlattened(source.data(), copy.data(), source.size(), kFill);
  for (std::size_t i = 0; i < source.size(); ++i) {
    ASSERT_EQ(inPlace[i], Expected(source[i], kFill)) << i;
    ASSERT_EQ(copy[i], inPlace[i]) << i;
  }
  EXPECT_EQ(copy.back(), 0xDEADBEEFu);  // nothing written past the count
}

TEST(PixelConvert, OpaqueCopiesSetAlphaAndKeepColours) {
  const std::vector<std::uint32_t> source = {0x00102030u, 0x7F405060u, 0xFF708090u};
  std::vector<std::uint32_t> target(4, 0), expanded(6, 0);
  tv::CopyOpaque(source.data(), target.data(), source.size());
  EXPECT_EQ(target, (std::vector<std::uint32_t>{0xFF102030u, 0xFF405060u, 0xFF708090u, 0}));
  // Five pixels: one block of four taken as whole words, and a tail.
  const std::uint8_t bgr[] = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0xFF, 0x00, 0x80, 0x01, 0x02, 0x03, 0xAA, 0xBB, 0xCC};
  tv::ExpandBgrOpaque(bgr, expanded.data(), 5);
  EXPECT_EQ(expanded,
            (std::vector<std::uint32_t>{0xFF102030u, 0xFF405060u, 0xFF8000FFu, 0xFF030201u, 0xFFCCBBAAu, 0}));
}

}  // namespace
