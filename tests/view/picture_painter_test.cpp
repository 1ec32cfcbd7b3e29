// Paints scenes into a real GDI memory bitmap and reads the pixels back.
#include "view/picture_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "imaging/dib.h"
#include "util/win_handles.h"

namespace tv {
namespace {

// A top-down 32-bit DIB section with a DC, pixels readable as 0x00RRGGBB.
struct Canvas {
  Canvas(int w, int h, std::uint32_t fill) : width(w) {
    void* bits = nullptr;
    bitmap = CreateTopDownDib(w, h, &bits);
    pixels = static_cast<std::uint32_t*>(bits);
    selected.emplace(dc.get(), bitmap.get());
    std::fill(pixels, pixels + w * h, fill);
  }
  std::uint32_t At(int x, int y) const { return ::GdiFlush(), pixels[y * width + x] & 0xFFFFFF; }

  int width;
  UniqueBitmap bitmap;
  std::uint32_t* pixels = nullptr;
  UniqueMemoryDC dc{::CreateCompatibleDC(nullptr)};
  std::optional<SelectedObject> selected;  // a picture handed to the painter must leave its own DC first
};

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kGrey = 0x808080;

// Turns a 40 x 30 red canvas into a picture: left half red, right half blue.
void PaintRightHalfBlue(Canvas& picture) {
  const RECT right{20, 0, 40, 30};
  UniqueBrush blue(::CreateSolidBrush(RGB(0, 0, 255)));
  ::FillRect(picture.dc.get(), &right, blue.get());
  ::GdiFlush();
  picture.selected.reset();
}

// The 40 x 30 test picture placed at `place` in a window of width x height.
PaintScene PictureScene(const Canvas& picture, const Rect& place, int width, int height) {
  PaintScene scene;
  scene.bitmap = picture.bitmap.get();
  scene.bitmapWidth = 40;
  scene.bitmapHeight = 30;
  scene.picture = place;
  scene.clip = scene.window = Rect{0, 0, width, height};
  return scene;
}

TEST(DrawScene, StretchesThePictureInsideItsBorderAndFillsTheRestInFullScreen) {
  Canvas picture(40, 30, kRed);
  PaintRightHalfBlue(picture);
  Canvas window(200, 100, kGrey);
  PaintScene scene = PictureScene(picture, BoxRect(60, 20, 80, 60), 200, 100);
  scene.frameWidth = 3;
  scene.frameColor = 0xFF000000 | kGreen;
  scene.fillColor = 0xFF000000;
  DrawScene(window.dc.get(), scene);
  EXPECT_EQ(window.At(62, 22), kRed);
  EXPECT_EQ(window.At(137, 77), kBlue);
  EXPECT_EQ(window.At(57, 17), kGreen);  // border corners
  EXPECT_EQ(window.At(142, 82), kGreen);
  EXPECT_EQ(window.At(56, 50), kGrey);  // a window leaves the outside alone
  scene.fullScreen = true;
  DrawScene(window.dc.get(), scene);
  EXPECT_EQ(window.At(56, 50), 0u);
  EXPECT_EQ(window.At(199, 99), 0u);
}

TEST(DrawScene, PlaceholderIsOutlinedInTheContrastColourAndFilledWithTheBackground) {
  Canvas window(60, 60, kGrey);
  PaintScene scene;
  scene.picture = BoxRect(10, 10, 30, 20);
  scene.clip = scene.window = Rect{0, 0, 60, 60};
  scene.fillColor = 0xFF000000 | kBlue;
  scene.contrastColor = 0xFF000000 | kRed;
  DrawScene(window.dc.get(), scene);
  EXPECT_EQ(window.At(10, 10), kRed);
  EXPECT_EQ(window.At(39, 29), kRed);  // the outline covers the last column and row
  EXPECT_EQ(window.At(38, 28), kBlue);
  EXPECT_EQ(window.At(9, 9), kGrey);
}

TEST(DrawScene, SlideShowMarkHangsFromTheCornerOnlyOnLargeEnoughPictures) {
  Canvas picture(40, 30, kRed);
  PaintRightHalfBlue(picture);
  Canvas window(100, 100, kGrey);
  PaintScene scene = PictureScene(picture, BoxRect(0, 0, 80, 60), 100, 100);
  scene.fillColor = 0xFF000000;
  scene.contrastColor = 0xFF000000 | kGreen;
  scene.showSlideShowMark = true;
  scene.slideShowMarkCorner = {80, 60};
  DrawScene(window.dc.get(), scene);
  // Normal size: box (-20,-20,19), stop square (-14,-14,7).
  EXPECT_EQ(window.At(80 - 11, 60 - 11), kGreen);
  EXPECT_EQ(window.At(80 - 20, 60 - 20), 0u);
  EXPECT_EQ(window.At(80 - 19, 60 - 19), kGreen);
  EXPECT_EQ(window.At(80 - 22, 60 - 22), kBlue);
  Canvas small(40, 40, kGrey);
  scene.picture = BoxRect(0, 0, 19, 19);
  scene.slideShowMarkCorner = {19, 19};
  DrawScene(small.dc.get(), scene);
  EXPECT_NE(small.At(19 - 11, 19 - 11), kGreen);
}

TEST(DrawScene, PictureScaledToNothingDrawsNothing) {
  Canvas picture(40, 30, kRed);
  PaintRightHalfBlue(picture);
  Canvas window(50, 50, kGrey);
  DrawScene(window.dc.get(), PictureScene(picture, BoxRect(10, 10, 0, 30), 50, 50));
  EXPECT_EQ(window.At(10, 10), kGrey);
}

}  // namespace
}  // namespace tv
