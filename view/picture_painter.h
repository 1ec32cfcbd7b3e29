#pragma once
// Draws one frame of the main window into a DC: the visible part of the
// scaled bitmap, or the placeholder box when nothing is loaded, then the
// border, the full-screen fill and the slide-show mark. The caller decides
// which DC (BeginPaint or the window's own), holds the picture lock and
// computes the scene from the view state; this only draws.
#include <windows.h>

#include <cstdint>

#include "util/geometry.h"
#include "view/paint_geometry.h"

namespace tv {

struct PaintScene {
  HBITMAP bitmap = nullptr;  // the oriented, scaled picture; nullptr: placeholder
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  Rect picture;             // where the picture lands, in window coordinates
  Rect clip;                // what may be stretched into, in window coordinates
  Rect window;              // the whole window, (0, 0, width, height)
  bool fullScreen = false;
  int frameWidth = 0;
  std::uint32_t fillColor = 0xFF000000;      // ARGB
  std::uint32_t frameColor = 0xFFFFFFFF;     // ARGB
  std::uint32_t contrastColor = 0xFF606060;  // ARGB
  StretchMode stretch = StretchMode::Halftone;
  bool showSlideShowMark = false;
  bool slideShowOn = false;
  int cursorSize = 0;
  Point slideShowMarkCorner;  // lower right corner the mark hangs from
};

// Colour of an ARGB value as GDI wants it.
constexpr COLORREF ToColorRef(std::uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void DrawScene(HDC dc, const PaintScene& scene) noexcept;

}  // namespace tv
