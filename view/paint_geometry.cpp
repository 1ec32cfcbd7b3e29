#include "view/paint_geometry.h"

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

struct AxisCut {
  int sourceStart, sourceLength, destinationStart, destinationLength;
};

// One axis of ComputeBlitRects. Returns false when nothing of it is visible.
bool CutAxis(int sourceLength, int destStart, int destLength, int clipStart, int clipEnd, AxisCut& cut) {
  const int visibleStart = std::max(destStart, clipStart);
  const int visibleEnd = std::min(destStart + destLength, clipEnd);
  if (sourceLength <= 0 || destLength <= 0 || visibleEnd <= visibleStart) return false;
  const double scale = static_cast<double>(destLength) / sourceLength;
  const int cutBefore = static_cast<int>(std::floor((visibleStart - destStart) / scale));
  const int cutAfter = static_cast<int>(std::floor((destStart + destLength - visibleEnd) / scale));
  cut.sourceStart = cutBefore;
  cut.sourceLength = sourceLength - cutBefore - cutAfter;
  const int destBefore = static_cast<int>(std::ceil(cutBefore * scale));
  const int destAfter = static_cast<int>(std::ceil(cutAfter * scale));
  cut.destinationStart = destStart + destBefore;
  cut.destinationLength = destLength - destBefore - destAfter;
  return cut.sourceLength > 0 && cut.destinationLength > 0;
}

}  // namespace

BlitRects ComputeBlitRects(int bitmapWidth, int bitmapHeight, const Rect& destination, const Rect& clip) {
  BlitRects result;
  AxisCut x{}, y{};
  if (!CutAxis(bitmapWidth, destination.left, destination.Width(), clip.left, clip.right, x) ||
      !CutAxis(bitmapHeight, destination.top, destination.Height(), clip.top, clip.bottom, y))
    return result;
  result.source = BoxRect(x.sourceStart, y.sourceStart, x.sourceLength, y.sourceLength);
  result.destination = BoxRect(x.destinationStart, y.destinationStart, x.destinationLength, y.destinationLength);
  result.visible = true;
  return result;
}

bool PaintThroughWindowDC(bool fullScreen, const Rect& pictureOnScreen, const Rect& desktop, bool paintNow,
                          bool modalOpen) {
  if (modalOpen) return false;
  if (fullScreen) return true;
  const bool outside = pictureOnScreen.left < desktop.left || pictureOnScreen.top < desktop.top ||
                       pictureOnScreen.right >= desktop.right || pictureOnScreen.bottom >= desktop.bottom;
  return outside || paintNow;
}

std::vector<Rect> BorderRects(const Rect& picture, int frameWidth) {
  if (frameWidth <= 0) return {};
  const int fw = frameWidth, x = picture.left, y = picture.top, w = picture.Width(), h = picture.Height();
  return {BoxRect(x - fw, y - fw, w + 2 * fw, fw), BoxRect(x - fw, y, fw, h), BoxRect(x + w, y, fw, h),
          BoxRect(x - fw, y + h, w + 2 * fw, fw)};
}

std::vector<Rect> FullScreenFillRects(const Rect& box, const Rect& window) {
  const Rect parts[] = {
      {window.left, window.top, window.right, box.top},
      {window.left, box.bottom, window.right, window.bottom},
      {window.left, box.top, box.left, box.bottom},
      {box.right, box.top, window.right, box.bottom},
  };
  std::vector<Rect> result;
  for (const Rect& part : parts) {
    const Rect cut{std::max(part.left, window.left), std::max(part.top, window.top),
                   std::min(part.right, window.right), std::min(part.bottom, window.bottom)};
    if (cut.Width() > 0 && cut.Height() > 0) result.push_back(cut);
  }
  return result;
}

PlaceholderRects PlaceholderGeometry(const Rect& picture) {
  const int w = std::max(0, picture.Width()), h = std::max(0, picture.Height());
  return {BoxRect(picture.left, picture.top, std::max(0, w - 1), std::max(0, h - 1)),
          BoxRect(picture.left + 1, picture.top + 1, std::max(0, w - 2), std::max(0, h - 2))};
}

StretchMode ChooseStretchMode(bool dragging, bool animating, const AnimationProgress& progress,
                              double windowArea, double& fastStretchArea) {
  if (dragging) return StretchMode::ColorOnColor;
  if (!animating) return StretchMode::Halftone;
  if (progress.frameCount > 0 && fastStretchArea > windowArea) {
    const double count = progress.frameCount;
    const bool skippingNow =
        (progress.currentFrame + 1) / count < 0.7 && progress.skippedThisLoop / count >= 0.2;
    const bool skippedBefore = progress.skippedLastLoop / count > 0.3;
    if (skippingNow || skippedBefore) fastStretchArea = windowArea;
  }
  return windowArea >= fastStretchArea ? StretchMode::ColorOnColor : StretchMode::Halftone;
}

SlideShowMark SlideShowMarkGeometry(int cursorSize, Point corner) {
  struct Row {
    int box, boxSide, outline, outlineSide, stop, stopSide;
    Point triangle[3];
  };
  static constexpr Row kRows[] = {
      {-20, 19, -19, 16, -14, 7, {{-14, -16}, {-7, -11}, {-14, -6}}},
      {-30, 27, -29, 24, -22, 11, {{-21, -24}, {-11, -17}, {-21, -10}}},
      {-40, 35, -39, 32, -30, 15, {{-29, -33}, {-15, -23}, {-29, -13}}},
  };
  const Row& row = kRows[std::clamp(cursorSize, 0, 2)];
  const int bx = corner.x, by = corner.y;
  SlideShowMark mark;
  mark.box = BoxRect(bx + row.box, by + row.box, row.boxSide, row.boxSide);
  mark.outline = BoxRect(bx + row.outline, by + row.outline, row.outlineSide, row.outlineSide);
  mark.stopSquare = BoxRect(bx + row.stop, by + row.stop, row.stopSide, row.stopSide);
  for (size_t i = 0; i < 3; ++i) mark.playTriangle[i] = {bx + row.triangle[i].x, by + row.triangle[i].y};
  return mark;
}

}  // namespace tv
