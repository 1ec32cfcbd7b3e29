#include "view/mouse_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tv {

int BorderZoneAt(Point p, const PixelBox& picture, int frameWidth) {
  const std::int64_t left = static_cast<std::int64_t>(picture.left) - frameWidth;
  const std::int64_t top = static_cast<std::int64_t>(picture.top) - frameWidth;
  const std::int64_t right = static_cast<std::int64_t>(picture.left) + picture.width + frameWidth;
  const std::int64_t bottom = static_cast<std::int64_t>(picture.top) + picture.height + frameWidth;
  if (p.x < left || p.x > right || p.y < top || p.y > bottom) return -1;
  const int w = picture.width, h = picture.height;
  int m = 16;
  if (w < 64 || h < 64) m = std::max(std::min(w, h) / 4, 4);
  const std::int64_t x = p.x, y = p.y;
  const std::int64_t l = picture.left, t = picture.top, r = static_cast<std::int64_t>(picture.left) + w;
  const bool nearLeft = x <= l + m, beforeRight = x < r - m;
  if (y <= t + m) return nearLeft ? kZoneTopLeft : beforeRight ? kZoneTop : kZoneTopRight;
  if (y >= t + h - m) return nearLeft ? kZoneBottomLeft : beforeRight ? kZoneBottom : kZoneBottomRight;
  return nearLeft ? kZoneLeft : beforeRight ? kZoneInside : kZoneRight;
}

namespace {

std::int32_t Trunc(double v) {
  if (!(v == v)) return 0;
  return static_cast<std::int32_t>(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0));
}

}  // namespace

PixelBox ResizeFor(int zone, bool aroundCentre, Point p, const ResizeStart& s) {
  const double a = s.aspect > 0 ? s.aspect : 1.0;
  const double sx = s.start.x, sy = s.start.y, px = p.x, py = p.y;
  const double w0 = s.box.width, h0 = s.box.height, l0 = s.box.left, t0 = s.box.top;
  const bool corner = zone >= kZoneTopLeft && zone <= kZoneBottomRight;
  const bool growsLeft = zone == kZoneTopLeft || zone == kZoneBottomLeft || zone == kZoneLeft;
  const bool growsUp = zone == kZoneTopLeft || zone == kZoneTopRight || zone == kZoneTop;
  const double k = aroundCentre ? 2.0 : 1.0;
  double w = w0, h = h0;
  if (corner || zone == kZoneLeft || zone == kZoneRight) w = growsLeft ? k * (sx - px) + w0 : w0 - k * (sx - px);
  if (corner || zone == kZoneTop || zone == kZoneBottom) h = growsUp ? k * (sy - py) + h0 : h0 - k * (sy - py);
  if (zone == kZoneLeft || zone == kZoneRight) h = w / a;
  if (zone == kZoneTop || zone == kZoneBottom) w = h * a;
  if (corner) {
    if (w > a * h) h = w / a;
    else w = a * h;
  }
  if (w * w + h * h < kMinDiagonalSquared || w < 0 || h < 0) {
    const double r = s.naturalW > 0 ? s.naturalH / s.naturalW : 1.0;
    w = std::sqrt(kMinDiagonalSquared / (r * r + 1.0));
    h = r * w;
  }
  PixelBox box{s.box.left, s.box.top, Trunc(w), Trunc(h)};
  if (aroundCentre) {
    box.left = Trunc(w0 - w) / 2 - s.box.width / 2 + s.centre.x;
    box.top = Trunc(h0 - h) / 2 - s.box.height / 2 + s.centre.y;
    return box;
  }
  switch (zone) {
    case kZoneTopLeft:
      box.left = Trunc(w0 - w) + s.box.left;
      box.top = Trunc(h0 - h) + s.box.top;
      break;
    case kZoneTopRight:
      box.top = Trunc(h0 - h) + s.box.top;
      break;
    case kZoneBottomLeft:
      box.left = Trunc(w0 - w) + s.box.left;
      break;
    case kZoneLeft:
    case kZoneRight: {
      if (zone == kZoneLeft) box.left = Trunc(l0 + w0 - w);
      const double kk = t0 + h0 - sy;
      box.top = Trunc(t0 + kk - kk * w / w0);
      break;
    }
    case kZoneTop:
    case kZoneBottom: {
      if (zone == kZoneTop) box.top = Trunc(t0 + h0 - h);
      const double kk = l0 + w0 - sx;
      box.left = Trunc(l0 + kk - kk * w / w0);
      break;
    }
    default:
      break;
  }
  return box;
}

std::int32_t ResizeDiagonal(std::int32_t width, std::int32_t height) {
  const double w = width, h = height;
  return Trunc(std::sqrt(w * w + h * h) + 0.5);
}

int WheelSteps(int& remainder, int delta, int sensitivity) {
  if (sensitivity <= 0) sensitivity = 120;
  long long sum = static_cast<long long>(remainder) + delta;
  int steps = 0;
  while (sum >= sensitivity) {
    sum -= sensitivity;
    --steps;
  }
  while (sum < 0) {
    sum += sensitivity;
    ++steps;
  }
  remainder = static_cast<int>(sum);
  return steps;
}

double WheelZoomFactor(int delta, int sensitivity) {
  if (sensitivity <= 0) sensitivity = 120;
  return std::pow(2.0, static_cast<double>(delta) / sensitivity * 0.5);
}

std::wstring RgbText(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (const std::uint8_t value : {red, green, blue}) {
    text.push_back(kDigits[value >> 4]);
    text.push_back(kDigits[value & 15]);
  }
  return text;
}

int NextTransparency(int alpha, int steps) {
  static constexpr int kLevels[] = {255, 192, 128, 64};
  if (alpha < 64) return kLevels[std::clamp(steps - 1, 0, 3)];
  int i = 0;
  while (i < 3 && kLevels[i] > alpha) ++i;
  return kLevels[std::clamp(i + steps, 0, 3)];
}

}  // namespace tv
