// The GIF writer feeds the loader's tests and the sample pictures, so its
// output is checked against a real decoder: GDI+ as Wine ships it.
#include "tests/support/gif_writer.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "tools/gdiplus_tool.h"

namespace {

using tvtest::EncodeGif;
using tvtest::GifFrame;
using tvtest::GifPicture;

GifPicture Stripes(int width, int height, int frames) {
  GifPicture picture;
  picture.width = width;
  picture.height = height;
  for (int i = 0; i < 256; ++i) picture.palette.push_back(static_cast<std::uint32_t>((i << 16) | ((255 - i) << 8) | 0x40));
  for (int f = 0; f < frames; ++f) {
    GifFrame frame;
    frame.delayCentiseconds = 10 * (f + 1);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) frame.indices.push_back(static_cast<std::uint8_t>((x + y * 7 + f * 50) & 0xFF));
    picture.frames.push_back(std::move(frame));
  }
  return picture;
}

struct Decoded {
  Gdiplus::GpImage* image = nullptr;
  ~Decoded() {
    if (image) Gdiplus::DllExports::GdipDisposeImage(image);
  }
};

TEST(GifWriter, GdiplusDecodesEveryPixelAndFrame) {
  tools::GdiplusSession gdiplus;
  ASSERT_TRUE(gdiplus.ok());
  tvtest::TempFolder folder;
  // 300 x 7 crosses many clear codes and sub-block boundaries.
  const GifPicture picture = Stripes(300, 7, 3);
  GifPicture animated = picture;
  animated.loopCount = 0;
  const std::wstring path = folder.Join(L"stripes.gif");
  folder.WriteBytes(L"stripes.gif", EncodeGif(animated));

  Decoded decoded;
  ASSERT_EQ(Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &decoded.image), Gdiplus::Ok);
  UINT width = 0, height = 0;
  Gdiplus::DllExports::GdipGetImageWidth(decoded.image, &width);
  Gdiplus::DllExports::GdipGetImageHeight(decoded.image, &height);
  EXPECT_EQ(width, 300u);
  EXPECT_EQ(height, 7u);
  GUID timeDimension = Gdiplus::FrameDimensionTime;
  UINT frames = 0;
  Gdiplus::DllExports::GdipImageGetFrameCount(decoded.image, &timeDimension, &frames);
  EXPECT_EQ(frames, 3u);

  for (UINT f = 0; f < frames; ++f) {
    ASSERT_EQ(Gdiplus::DllExports::GdipImageSelectActiveFrame(decoded.image, &timeDimension, f), Gdiplus::Ok);
    for (int y : {0, 3, 6})
      for (int x : {0, 1, 254, 255, 256, 299}) {
        Gdiplus::ARGB argb = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(decoded.image), x, y, &argb);
        const std::uint32_t expected = picture.palette[(x + y * 7 + static_cast<int>(f) * 50) & 0xFF];
        EXPECT_EQ(argb & 0xFFFFFF, expected) << "frame " << f << " at " << x << "," << y;
      }
  }
}

TEST(GifWriter, RefusesInconsistentPictures) {
  GifPicture picture = Stripes(4, 4, 1);
  picture.frames[0].indices.pop_back();
  EXPECT_TRUE(EncodeGif(picture).empty());
  picture = Stripes(4, 4, 1);
  picture.palette.resize(2);
  EXPECT_TRUE(EncodeGif(picture).empty()) << "index outside the palette";
  picture = Stripes(4, 4, 0);
  EXPECT_TRUE(EncodeGif(picture).empty());
}

}  // namespace
