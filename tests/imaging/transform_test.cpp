#include <gtest/gtest.h>

#include "tests/imaging/loader_fixture.h"

using namespace tv;
using tvtest::EncodeWithGdiplus;
using tvtest::LoaderTest;
using tvtest::Near;

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

std::uint32_t Q(int x, int y) { return tvtest::Quadrants(x, y, 40, 20); }

}  // namespace

TEST_F(LoaderTest, TransformTurnsEveryWayPixelForPixel) {
  // The picture: red | green over blue | white, 40 x 20, no scaling.
  struct Case {
    int rotation;
    int outWidth, outHeight;
    std::uint32_t topLeft, topRight, bottomLeft, bottomRight;
  };
  const Case cases[] = {{0, 40, 20, kRed, kGreen, kBlue, kWhite},
                        {1, 20, 40, kBlue, kRed, kWhite, kGreen},
                        {2, 40, 20, kWhite, kBlue, kGreen, kRed},
                        {3, 20, 40, kGreen, kWhite, kRed, kBlue}};
  ImageEntry entry = Entry(L"q.bmp", EncodeWithGdiplus(40, 20, Q, L"image/bmp"));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "rotation " << c.rotation);
    entry.rotation = c.rotation;
    ASSERT_TRUE(loader.LoadFile(entry));
    ASSERT_TRUE(loader.transformNeeded());
    ASSERT_TRUE(loader.Transform());
    EXPECT_FALSE(loader.transformNeeded());
    EXPECT_EQ(loader.outputWidth(), c.outWidth);
    EXPECT_EQ(loader.outputHeight(), c.outHeight);
    const int w = c.outWidth, h = c.outHeight;
    // Every corner pixel, and a pixel well inside each quadrant.
    EXPECT_EQ(ScaledPixel(0, 0), c.topLeft);
    EXPECT_EQ(ScaledPixel(w - 1, 0), c.topRight);
    EXPECT_EQ(ScaledPixel(0, h - 1), c.bottomLeft);
    EXPECT_EQ(ScaledPixel(w - 1, h - 1), c.bottomRight);
    EXPECT_EQ(ScaledPixel(w / 4, h / 4), c.topLeft);
    EXPECT_EQ(ScaledPixel(3 * w / 4, 3 * h / 4), c.bottomRight);
  }
}

TEST_F(LoaderTest, TransformDownscalesEveryRotation) {
  // 200 x 100 quadrants reduced to 50 x 25; flat areas keep their colour.
  const auto big = [](int x, int y) { return tvtest::Quadrants(x, y, 200, 100); };
  ImageEntry entry = Entry(L"s.bmp", EncodeWithGdiplus(200, 100, big, L"image/bmp"));
  struct Case {
    int rotation, outWidth, outHeight;
    std::uint32_t nearTopLeft, nearBottomRight;
  };
  const Case cases[] = {{0, 50, 25, kRed, kWhite}, {1, 25, 50, kBlue, kGreen}, {2, 50, 25, kWhite, kRed},
                        {3, 25, 50, kGreen, kBlue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "rotation " << c.rotation);
    entry.rotation = c.rotation;
    ASSERT_TRUE(loader.LoadFile(entry));
    loader.SetTargetSize(50, 25);
    ASSERT_TRUE(loader.Transform());
    EXPECT_EQ(loader.outputWidth(), c.outWidth);
    EXPECT_EQ(loader.outputHeight(), c.outHeight);
    EXPECT_TRUE(Near(ScaledPixel(3, 3), c.nearTopLeft, 8)) << std::hex << ScaledPixel(3, 3);
    EXPECT_TRUE(Near(ScaledPixel(c.outWidth - 4, c.outHeight - 4), c.nearBottomRight, 8));
  }
}

TEST_F(LoaderTest, ScaledBitmapAllocationRules) {
  ImageEntry entry = Entry(L"q.bmp", EncodeWithGdiplus(40, 20, Q, L"image/bmp"));
  entry.rotation = 1;
  ASSERT_TRUE(loader.LoadFile(entry));
  loader.SetTargetSize(30, 10);
  ASSERT_TRUE(loader.Transform());
  EXPECT_EQ(loader.outputWidth(), 10);
  EXPECT_EQ(loader.outputHeight(), 30);
  EXPECT_EQ(loader.scaledAllocatedWidth(), 30);  // square: either orientation fits
  EXPECT_EQ(loader.scaledAllocatedHeight(), 30);
  // A smaller target keeps the larger bitmap.
  loader.EnsureScaledBitmap(5, 5);
  EXPECT_EQ(loader.scaledAllocatedWidth(), 30);
  // Beyond the square limit the exact size is taken.
  loader.EnsureScaledBitmap(5000, 4000);
  EXPECT_EQ(loader.scaledAllocatedWidth(), 5000);
  EXPECT_EQ(loader.scaledAllocatedHeight(), 4000);
  // A zero side leaves no bitmap.
  loader.EnsureScaledBitmap(0, 10);
  EXPECT_EQ(loader.scaledAllocatedWidth(), 0);
  EXPECT_EQ(loader.scaledBitmap(), nullptr);
}

TEST_F(LoaderTest, TransformWithoutAPictureSucceedsAndDrawsNothing) {
  EXPECT_TRUE(loader.Transform());
  EXPECT_EQ(loader.scaledBitmap(), nullptr);
}
