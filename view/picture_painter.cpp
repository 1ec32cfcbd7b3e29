#include "view/picture_painter.h"

#include "util/win_handles.h"

namespace tv {
namespace {

void FillBox(HDC dc, const Rect& box, std::uint32_t argb) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  UniqueBrush brush(::CreateSolidBrush(ToColorRef(argb)));
  if (!brush) return;
  const RECT r{box.left, box.top, box.right, box.bottom};
  ::FillRect(dc, &r, brush.get());
}

// A one-pixel frame covering (x, y) to (x + width, y + height) inclusive, the
// way a pen-drawn rectangle of that size covers it.
void FrameBox(HDC dc, const Rect& box, std::uint32_t argb) {
  const int x = box.left, y = box.top, w = box.Width(), h = box.Height();
  FillBox(dc, BoxRect(x, y, w + 1, 1), argb);
  FillBox(dc, BoxRect(x, y + h, w + 1, 1), argb);
  FillBox(dc, BoxRect(x, y, 1, h + 1), argb);
  FillBox(dc, BoxRect(x + w, y, 1, h + 1), argb);
}

void StretchPicture(HDC dc, const PaintScene& scene) {
  const BlitRects blit = ComputeBlitRects(scene.bitmapWidth, scene.bitmapHeight, scene.picture, scene.clip);
  if (!blit.visible) return;
  UniqueMemoryDC source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), scene.bitmap);
  if (blit.source.Width() == blit.destination.Width() && blit.source.Height() == blit.destination.Height()) {
    // The loader already scaled the bitmap to the size shown: a plain copy
    // gives the same pixels as any stretch mode, at a fraction of the cost.
    ::BitBlt(dc, blit.destination.left, blit.destination.top, blit.destination.Width(),
             blit.destination.Height(), source.get(), blit.source.left, blit.source.top, SRCCOPY);
    return;
  }
  const int oldMode = ::SetStretchBltMode(
      dc, scene.stretch == StretchMode::Halftone ? HALFTONE : COLORONCOLOR);
  POINT oldOrigin{};
  ::SetBrushOrgEx(dc, 0, 0, &oldOrigin);
  ::StretchBlt(dc, blit.destination.left, blit.destination.top, blit.destination.Width(),
               blit.destination.Height(), source.get(), blit.source.left, blit.source.top, blit.source.Width(),
               blit.source.Height(), SRCCOPY);
  ::SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  if (oldMode) ::SetStretchBltMode(dc, oldMode);
}

void DrawSlideShowMark(HDC dc, const PaintScene& scene) {
  const SlideShowMark mark = SlideShowMarkGeometry(scene.cursorSize, scene.slideShowMarkCorner);
  FillBox(dc, mark.box, scene.fillColor | 0xFF000000u);
  FrameBox(dc, mark.outline, scene.contrastColor);
  if (!scene.slideShowOn) {
    FillBox(dc, mark.stopSquare, scene.contrastColor);
    return;
  }
  UniqueBrush brush(::CreateSolidBrush(ToColorRef(scene.contrastColor)));
  UniquePen pen(::CreatePen(PS_SOLID, 1, ToColorRef(scene.contrastColor)));
  if (!brush || !pen) return;
  SelectedObject selectedBrush(dc, brush.get());
  SelectedObject selectedPen(dc, pen.get());
  const POINT points[3] = {{mark.playTriangle[0].x, mark.playTriangle[0].y},
                           {mark.playTriangle[1].x, mark.playTriangle[1].y},
                           {mark.playTriangle[2].x, mark.playTriangle[2].y}};
  const int oldFill = ::SetPolyFillMode(dc, ALTERNATE);
  ::Polygon(dc, points, 3);
  if (oldFill) ::SetPolyFillMode(dc, oldFill);
}

}  // namespace

void DrawScene(HDC dc, const PaintScene& scene) noexcept {
  if (!dc) return;
  if (scene.bitmap) {
    StretchPicture(dc, scene);
  } else {
    const PlaceholderRects placeholder = PlaceholderGeometry(scene.picture);
    FrameBox(dc, placeholder.outline, scene.contrastColor);
    FillBox(dc, placeholder.fill, scene.fillColor);
  }
  for (const Rect& band : BorderRects(scene.picture, scene.frameWidth)) FillBox(dc, band, scene.frameColor);
  if (scene.fullScreen) {
    const int fw = scene.frameWidth > 0 ? scene.frameWidth : 0;
    const Rect box{scene.picture.left - fw, scene.picture.top - fw, scene.picture.right + fw,
                   scene.picture.bottom + fw};
    for (const Rect& part : FullScreenFillRects(box, scene.window)) FillBox(dc, part, scene.fillColor);
  }
  if (scene.showSlideShowMark && scene.picture.Width() >= kSlideShowMarkMinSide &&
      scene.picture.Height() >= kSlideShowMarkMinSide)
    DrawSlideShowMark(dc, scene);
}

}  // namespace tv
