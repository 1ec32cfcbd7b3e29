#pragma once
// The arithmetic of painting the main window, kept free of windows so it can
// be checked exactly: which part of the scaled bitmap is stretched where, the
// border and full-screen fill rectangles, the placeholder box, the stretch
// mode for animations and the slide-show mark. The Win32 painter only draws
// what these functions return.
#include <array>
#include <vector>

#include "util/geometry.h"

namespace tv {

// Rectangles built from (x, y, width, height), as the painter thinks of them.
constexpr Rect BoxRect(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

struct BlitRects {
  Rect source;       // in bitmap pixels
  Rect destination;  // in the coordinates destination was given in
  bool visible = false;  // false: nothing to stretch (empty bitmap, destination or overlap)
};

// Cuts the stretch down to the part of destination that lies in clip, so a
// strongly zoomed picture only stretches what can be seen. Source cuts are
// whole bitmap pixels (rounded down), destination cuts the matching screen
// pixels (rounded up), per axis.
BlitRects ComputeBlitRects(int bitmapWidth, int bitmapHeight, const Rect& destination, const Rect& clip);

// Whether to draw through the window DC instead of BeginPaint: always in full
// screen and for pictures reaching outside the desktop, never while a modal
// dialog is open.
bool PaintThroughWindowDC(bool fullScreen, const Rect& pictureOnScreen, const Rect& desktop, bool paintNow,
                          bool modalOpen);

// The four bands of a border of frameWidth around picture (window coordinates):
// top, left, right, bottom. Empty when frameWidth <= 0.
std::vector<Rect> BorderRects(const Rect& picture, int frameWidth);

// The parts of window outside box (above, below, left, right), each cut to
// window; parts that end up empty are left out.
std::vector<Rect> FullScreenFillRects(const Rect& box, const Rect& window);

// The box drawn when no picture is loaded: a one-pixel outline and its inside.
struct PlaceholderRects {
  Rect outline;  // drawn as a one-pixel frame with GDI+ DrawRectangle semantics
  Rect fill;
};
PlaceholderRects PlaceholderGeometry(const Rect& picture);

enum class StretchMode { Halftone, ColorOnColor };

struct AnimationProgress {
  int frameCount = 0;
  int currentFrame = 0;
  int skippedThisLoop = 0;
  int skippedLastLoop = 0;
};

// Chooses the stretch mode of one paint. Dragging always stretches fast. An
// animation that starts dropping frames lowers fastStretchArea to the current
// window area, so from that size on it is stretched fast; the threshold only
// moves down until the caller resets it (new picture, rotation, modal bracket).
StretchMode ChooseStretchMode(bool dragging, bool animating, const AnimationProgress& progress,
                              double windowArea, double& fastStretchArea);

// The slide-show mark at the lower right corner (bx, by) of the picture.
struct SlideShowMark {
  Rect box;                        // filled with the background colour
  Rect outline;                    // one-pixel frame in the contrast colour
  Rect stopSquare;                 // filled when the slide show is off
  std::array<Point, 3> playTriangle;  // filled when it is on
};
// cursorSize: 0 normal, 1 large, 2 extra large (clamped into that range).
SlideShowMark SlideShowMarkGeometry(int cursorSize, Point corner);

// The mark is only drawn on pictures at least this large in both directions.
constexpr int kSlideShowMarkMinSide = 20;

}  // namespace tv
