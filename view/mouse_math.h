#pragma once
// The arithmetic of the mouse: which border zone the pointer is over, the
// new picture rectangle while a zone is dragged (aspect ratio kept, in
// doubles so large zooms cannot overflow), the wheel's remainder and steps,
// and the transparency levels the wheel walks through.
#include <cstdint>
#include <string>

#include "util/geometry.h"
#include "view/view_geometry.h"

namespace tv {

enum DragZone : int {
  kZoneHidden = -1,
  kZoneInside = 0,
  kZoneTopLeft = 1,
  kZoneTopRight = 2,
  kZoneBottomLeft = 3,
  kZoneBottomRight = 4,
  kZoneLeft = 5,
  kZoneRight = 6,
  kZoneTop = 7,
  kZoneBottom = 8,
};

// The zone of `p` on `picture` grown by frameWidth (both edges included);
// -1 when p lies outside it.
int BorderZoneAt(Point p, const PixelBox& picture, int frameWidth);

struct ResizeStart {
  Point start;         // cursor at the press
  PixelBox box;        // picture rectangle at the press
  Point centre;        // CenterX, CenterY set at the press
  double aspect = 1;   // width / height
  double naturalW = 0; // oriented natural size, for the minimum
  double naturalH = 0;
};

// The picture rectangle for the cursor at p while `zone` (1..8) is dragged;
// aroundCentre: Ctrl held, the centre stays and each edge counts twice.
PixelBox ResizeFor(int zone, bool aroundCentre, Point p, const ResizeStart& s);

// The diagonal a resize records, rounded; in doubles, since the squares of
// zoomed sides overflow 32-bit integers.
std::int32_t ResizeDiagonal(std::int32_t width, std::int32_t height);

// Adds delta to the remainder (kept in [0, sensitivity)) and returns the
// steps: negative for forward turns, positive for backward ones.
int WheelSteps(int& remainder, int delta, int sensitivity);
// Size factor of a wheel zoom: a notch of `sensitivity` is a factor of sqrt 2.
double WheelZoomFactor(int delta, int sensitivity);

// 255, 192, 128, 64 and back; backward steps (positive) are more transparent.
int NextTransparency(int alpha, int steps);

// Six upper-case hexadecimal digits, red, green, blue.
std::wstring RgbText(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Window-wheel modifier state bits.
enum MouseModifier : int {
  kModShift = 1,
  kModCtrl = 2,
  kModAlt = 4,
  kModLeft = 8,
  kModRight = 16,
  kModX1 = 32,
  kModX2 = 64,
};

}  // namespace tv
