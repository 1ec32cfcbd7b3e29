// The view state and how a picture is sized and placed: work area, layout,
// position modes, keeping on screen, the window rectangle and zoom. The
// commands built on these are in view_commands.cpp.
#include "view/view_geometry.h"

#include <algorithm>
#include <cmath>

#include "view/view_math.h"

namespace tv {

using namespace view_math;

namespace {

// Stands in for the monitors until they are known, so neither the work area
// nor the desktop is ever empty.
constexpr Rect kFallbackMonitor{0, 0, 640, 480};

Rect ClampMonitorRect(const Rect& r) {
  auto c = [](std::int32_t v) { return ClampInt(v, -kMaxMonitorCoordinate, kMaxMonitorCoordinate); };
  return Rect{c(r.left), c(r.top), c(r.right), c(r.bottom)};
}

}  // namespace

ViewGeometry::ViewGeometry(ViewHost& host) : host_(&host) { SetMonitors({}); }

void ViewGeometry::SetOptions(const ViewOptions& options) {
  opt_ = options;
  opt_.CenterX = ClampCentre(opt_.CenterX);
  opt_.CenterY = ClampCentre(opt_.CenterY);
  opt_.FrameWidth = std::clamp(opt_.FrameWidth, 0, kMaxFrameWidth);
  opt_.PositionMode = std::clamp(opt_.PositionMode, 0, 5);
  // Not a quarter-turn count (say -1, 'unknown', from a list record): unturned.
  if (opt_.RotateValue < 0 || opt_.RotateValue > 3) opt_.RotateValue = 0;
  opt_.DiagonalLength = std::clamp(opt_.DiagonalLength, 0, kMaxDisplaySide);
  if (!(opt_.SizeRatio > 0.0) || !std::isfinite(opt_.SizeRatio)) opt_.SizeRatio = 1.0;
  opt_.SizeRatio = std::min(opt_.SizeRatio, kMaxSizeRatio);
}

void ViewGeometry::SetMonitors(const MonitorList& monitors) {
  monitors_.clear();
  for (const MonitorArea& m : monitors) monitors_.push_back({ClampMonitorRect(m.monitor), ClampMonitorRect(m.work)});
  // The work area and the desktop must come from the same screen, so an
  // unknown monitor set is one stand-in monitor for both.
  if (monitors_.empty()) monitors_.push_back({kFallbackMonitor, kFallbackMonitor});
  desktopRect_ = DesktopRectOf(monitors_);
}

void ViewGeometry::SetPictureRect(const PixelBox& box) {
  pictureRect_.left = ClampCentre(box.left);
  pictureRect_.top = ClampCentre(box.top);
  pictureRect_.width = std::clamp(box.width, 0, kMaxDisplaySide);
  pictureRect_.height = std::clamp(box.height, 0, kMaxDisplaySide);
}

void ViewGeometry::SetCentre(std::int64_t x, std::int64_t y) {
  opt_.CenterX = ClampCentre(x);
  opt_.CenterY = ClampCentre(y);
}

void ViewGeometry::SetFrameWidth(std::int32_t width) {
  opt_.FrameWidth = std::clamp(width, 0, kMaxFrameWidth);
  UpdateWorkArea();
  ApplyWindowRect();
}

// ---------------------------------------------------------------- work area

void ViewGeometry::UpdateWorkArea() {
  const MonitorArea* m = NearestMonitor(monitors_, Point{opt_.CenterX, opt_.CenterY});
  const Rect area = opt_.FullScreen ? m->monitor : m->work;  // never null: see SetMonitors
  const std::int64_t fw = opt_.FrameWidth;
  // A border wider than half the monitor would leave no work area at all;
  // keep at least one pixel so every ratio against it is defined.
  workArea_.left = static_cast<std::int32_t>(area.left + fw);
  workArea_.top = static_cast<std::int32_t>(area.top + fw);
  workArea_.width = ClampInt(std::int64_t{area.right} - area.left - 2 * fw, 1, kMaxDisplaySide);
  workArea_.height = ClampInt(std::int64_t{area.bottom} - area.top - 2 * fw, 1, kMaxDisplaySide);
}

void ViewGeometry::UpdateWorkAreaIfFree() {
  if (!opt_.FullScreen && fitState_ == 0) UpdateWorkArea();
}

// ---------------------------------------------------------------- layout

ViewGeometry::Size2 ViewGeometry::OrientedNaturalSize() const {
  const PixelSize n = host_->NaturalSize();
  const double w = std::max(n.width, 0);
  const double h = std::max(n.height, 0);
  const int rotation = host_->Rotation();
  if (rotation == 1 || rotation == 3) return {h, w};
  return {w, h};
}

// Raises a picture under the minimum diagonal to it, keeping its shape. A
// picture with a side of 0 has no shape; it gets the square box.
void ViewGeometry::ApplyMinimumSize(double& w, double& h, Size2 natural) {
  if (w * w + h * h < kMinDiagonalSquared || w < 0.0 || h < 0.0) {
    const double r = (natural.w == 0.0 || natural.h == 0.0) ? 1.0 : natural.h / natural.w;
    w = std::sqrt(kMinDiagonalSquared / (r * r + 1.0));
    h = r * w;
    minSizeApplied_ = true;
  } else {
    minSizeApplied_ = false;
  }
}

void ViewGeometry::LayoutPicture() {
  const Size2 natural = OrientedNaturalSize();
  // A zero side leaves the shape undefined: treat it as square.
  aspectRatio_ = (natural.w == 0.0 || natural.h == 0.0) ? 1.0 : natural.w / natural.h;
  const double a = aspectRatio_;

  double w = natural.w;
  double h = natural.h;
  if ((opt_.FixSizeRatio || restoringPrevious_) && !opt_.UseWholeScreen && !opt_.FitToScreen) {
    w *= opt_.SizeRatio;
    h *= opt_.SizeRatio;
  }
  ApplyMinimumSize(w, h, natural);

  const double aw = workArea_.width;
  const double ah = workArea_.height;
  double nw = w;
  double nh = h;
  // Fills the work area's width (fitState 2) or height (1); both: 3.
  const auto fillOneSide = [&](bool widthFills) {
    if (widthFills) {
      nw = aw;
      nh = aw / a;
      fitState_ = 2;
    } else {
      nw = a * ah;
      nh = ah;
      fitState_ = 1;
    }
    if (nw == aw && nh == ah) fitState_ = 3;
  };
  if (opt_.FitToScreen) {
    fillOneSide(w / aw > h / ah);
  } else if (opt_.FixDiagonalLength && !opt_.UseWholeScreen) {
    fitState_ = 0;
    // A diagonal below the minimum box (0 from a fresh ini file) would hide
    // the picture; the minimum diagonal holds here as everywhere else.
    const double diagonal = std::max(static_cast<double>(opt_.DiagonalLength), std::sqrt(kMinDiagonalSquared));
    const double k = diagonal / std::sqrt(w * w + h * h);
    nw = k * w + 0.5;
    nh = k * h + 0.5;
  } else if (opt_.UseWholeScreen) {
    fillOneSide(h / ah > w / aw);
  } else if (opt_.FixSizeRatio) {
    // keeps w, h and fitState
  } else {
    fitState_ = 0;
    if (w > aw && (h <= ah || w / aw > h / ah)) {
      nw = aw;
      nh = aw / a;
    } else if (w > aw) {
      nw = a * ah;
      nh = ah;
    }
    if (nh > ah) {
      nw = a * ah + 0.5;
      nh = ah;
    }
  }

  // A very thin picture's short side can round to 0; the window would vanish.
  const std::int32_t tw = std::max(TruncSize(nw), 1);
  const std::int32_t th = std::max(TruncSize(nh), 1);
  if (host_->DragMode() != 1) {
    SetDisplaySize(tw, th, true);
    return;
  }
  // A new picture under a left-button drag: keep the grabbed point under the
  // cursor.
  const Point p = host_->CursorPos();
  DragRecord& drag = host_->Drag();
  if (drag.relX > 0.0 && drag.relX < 1.0 && drag.relY > 0.0 && drag.relY < 1.0) {
    opt_.CenterX = TruncCoordinate(p.x - drag.relX * nw + nw / 2);
    opt_.CenterY = TruncCoordinate(p.y - drag.relY * nh + nh / 2);
    drag.grabOffset = Point{TruncSize(drag.relX * nw + 0.5), TruncSize(drag.relY * nh + 0.5)};
    UpdateWorkAreaIfFree();
    drag.startPoint = p;
    drag.lastPoint = p;
    drag.startSize = PixelSize{tw, th};
    drag.startLeftTop = Point{TruncCoordinate(opt_.CenterX - nw / 2 + 0.5), TruncCoordinate(opt_.CenterY - nh / 2 + 0.5)};
    SetDisplaySize(tw, th, false);
  } else {
    host_->EndDrag();
    SetDisplaySize(tw, th, true);
  }
}

void ViewGeometry::SizeStartBoxByDiagonal() {
  if (!opt_.FixDiagonalLength || opt_.UseWholeScreen || opt_.FitToScreen) return;
  const double w = pictureRect_.width;
  const double h = pictureRect_.height;
  if (w <= 0.0 || h <= 0.0) return;
  const double diagonal = std::max(static_cast<double>(opt_.DiagonalLength), std::sqrt(kMinDiagonalSquared));
  const double k = diagonal / std::sqrt(w * w + h * h);
  pictureRect_.width = std::max(TruncSize(k * w + 0.5), 1);
  pictureRect_.height = std::max(TruncSize(k * h + 0.5), 1);
}

namespace {

enum class AxisKeep { None, Inside, Cover };

std::int32_t Keep(std::int32_t at, std::int32_t size, std::int32_t start, std::int32_t end, AxisKeep keep) {
  if (keep == AxisKeep::Inside) {
    if (at < start) at = start;
    if (at + size > end) at = end - size;
  } else if (keep == AxisKeep::Cover) {
    if (at > start) at = start;
    if (at + size < end) at = end - size;
  }
  return at;
}

// Where a side of `size` starts along one axis of the work area [start, end)
// in position mode `mode`: centred on the remembered centre (mode 0), centred
// in the area (mode 1), or against the start or end edge. `keepCentred` and
// `keepAreaCentred` say how modes 0 and 1 are held to the area.
std::int32_t PlaceOnAxis(int mode, bool towardStart, std::int32_t centre, std::int32_t size, std::int32_t start,
                         std::int32_t end, AxisKeep keepCentred, AxisKeep keepAreaCentred) {
  if (mode == 0) return Keep(centre - size / 2, size, start, end, keepCentred);
  if (mode == 1) return Keep((start + end) / 2 - size / 2, size, start, end, keepAreaCentred);
  return towardStart ? start : end - size;
}

}  // namespace

void ViewGeometry::SetDisplaySize(std::int32_t width, std::int32_t height, bool fromLayout) {
  // No side below one pixel, whatever the zoom or a sibling's message asks:
  // a side of 0 hides the window and leaves nothing to click.
  const std::int32_t w = std::clamp(width, 1, kMaxDisplaySide);
  const std::int32_t h = std::clamp(height, 1, kMaxDisplaySide);
  pictureRect_.width = w;
  pictureRect_.height = h;
  const PixelBox& wa = workArea_;
  const int mode = opt_.PositionMode;
  std::int32_t& left = pictureRect_.left;
  std::int32_t& top = pictureRect_.top;

  if (opt_.FitToScreen) {
    // The picture lies inside the work area: the free side is kept inside.
    if (fitState_ == 1) {
      top = wa.top;
      left = PlaceOnAxis(mode, mode == 2 || mode == 4, opt_.CenterX, w, wa.left, wa.Right(), AxisKeep::Inside,
                         AxisKeep::None);
    } else if (fitState_ == 2) {
      left = wa.left;
      top = PlaceOnAxis(mode, mode == 2 || mode == 3, opt_.CenterY, h, wa.top, wa.Bottom(), AxisKeep::Inside,
                        AxisKeep::None);
    }
  } else if (opt_.UseWholeScreen) {
    // The picture covers the work area: no gap may open at either edge.
    if (fitState_ == 1) {
      top = wa.top;
      left = PlaceOnAxis(mode, mode == 2 || mode == 4, opt_.CenterX, w, wa.left, wa.Right(), AxisKeep::Cover,
                         AxisKeep::Cover);
    } else if (fitState_ == 2) {
      left = wa.left;
      top = PlaceOnAxis(mode, mode == 2 || mode == 3, opt_.CenterY, h, wa.top, wa.Bottom(), AxisKeep::Cover,
                        AxisKeep::None);
    }
  } else {
    if (fromLayout && !opt_.FixSizeRatio && !restoringPrevious_) {
      PlaceByPositionMode();
      ApplyWindowRect();
      return;
    }
    left = opt_.CenterX - w / 2;
    top = opt_.CenterY - h / 2;
  }
  if (!fromLayout) KeepOnScreen();
  ApplyWindowRect();
}

void ViewGeometry::PlaceByPositionMode() {
  const std::int32_t aw = workArea_.width;
  const std::int32_t ah = workArea_.height;
  const std::int32_t wl = workArea_.left;
  const std::int32_t wt = workArea_.top;
  const std::int32_t w = pictureRect_.width;
  const std::int32_t h = pictureRect_.height;
  std::int32_t& left = pictureRect_.left;
  std::int32_t& top = pictureRect_.top;
  const int mode = opt_.PositionMode;

  if (mode == 0 || restoringPrevious_) {
    // Keep the centre; a side larger than the work area is centred on it.
    if (w > aw) opt_.CenterX = wl + aw / 2;
    if (h > ah) opt_.CenterY = wt + ah / 2;
    left = std::max(opt_.CenterX - w / 2, wl);
    if (opt_.CenterX + w / 2 > wl + aw) left = wl + aw - w;
    top = std::max(opt_.CenterY - h / 2, wt);
    if (opt_.CenterY + h / 2 > wt + ah) top = wt + ah - h;
    return;
  }
  switch (mode) {
    case 1:
      left = wl + aw / 2 - w / 2;
      top = wt + ah / 2 - h / 2;
      opt_.CenterX = wl + aw / 2;
      opt_.CenterY = top + h / 2;
      break;
    case 2:
      left = wl;
      top = wt;
      opt_.CenterX = left + w / 2;
      opt_.CenterY = top + h / 2;
      break;
    case 3:
      left = wl + aw - w;
      top = wt;
      opt_.CenterX = left + w / 2;
      opt_.CenterY = top + (h + 1) / 2;
      break;
    case 4:
      left = wl;
      top = wt + ah - h;
      opt_.CenterX = left + (w + 1) / 2;
      opt_.CenterY = top + h / 2;
      break;
    default:
      left = wl + aw - w;
      top = wt + ah - h;
      opt_.CenterX = left + (w + 1) / 2;
      opt_.CenterY = top + (h + 1) / 2;
      break;
  }
  UpdateWorkAreaIfFree();
}

bool ViewGeometry::KeepOnScreen() {
  // A piece of the picture with its own shape and the minimum diagonal stays
  // reachable, first on the desktop, then in the work area.
  const double a = aspectRatio_;
  const double mw = std::sqrt(kMinDiagonalSquared / (1.0 / (a * a) + 1.0));
  const double mh = mw / a;
  const std::int32_t mwI = TruncSize(mw + 0.5);
  const std::int32_t mhI = TruncSize(mh + 0.5);
  const std::int32_t w = pictureRect_.width;
  const std::int32_t h = pictureRect_.height;
  std::int32_t& left = pictureRect_.left;
  std::int32_t& top = pictureRect_.top;

  auto keepInside = [&](std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    bool moved = false;
    if (l + mwI > left + w) {
      left = l - w + mwI;
      moved = true;
    }
    if (t + mhI > top + h) {
      top = t - h + mhI;
      moved = true;
    }
    if (left > r - mwI) {
      left = r - mwI;
      moved = true;
    }
    if (top > b - mhI) {
      top = b - mhI;
      moved = true;
    }
    return moved;
  };
  auto recentre = [&] {
    opt_.CenterX = left + w / 2;
    opt_.CenterY = top + h / 2;
  };
  const bool movedOnDesktop =
      keepInside(desktopRect_.left, desktopRect_.top, desktopRect_.right, desktopRect_.bottom);
  if (movedOnDesktop) recentre();
  UpdateWorkArea();
  const bool movedInWorkArea = keepInside(workArea_.left, workArea_.top, workArea_.Right(), workArea_.Bottom());
  if (movedInWorkArea) recentre();
  return movedOnDesktop || movedInWorkArea;
}

void ViewGeometry::ApplyWindowRect() {
  const Rect& d = desktopRect_;
  PixelBox vis = pictureRect_;
  if (vis.left < d.left) {
    vis.width -= d.left - vis.left;
    vis.left = d.left;
  }
  if (vis.top < d.top) {
    vis.height -= d.top - vis.top;
    vis.top = d.top;
  }
  if (vis.left + vis.width > d.right) vis.width = d.right - vis.left;
  if (vis.top + vis.height > d.bottom) vis.height = d.bottom - vis.top;
  // A picture wholly off the desktop has nothing visible, not a negative size.
  vis.width = std::max(vis.width, 0);
  vis.height = std::max(vis.height, 0);
  visibleRect_ = vis;

  if (!opt_.FullScreen) {
    std::int32_t left, top, width, height;
    if (opt_.ShowingList) {
      left = pictureRect_.left;
      top = pictureRect_.top;
      width = pictureRect_.width;
      height = pictureRect_.height;
    } else {
      const std::int32_t fw = opt_.FrameWidth;
      std::int32_t cutL = 0;
      std::int32_t cutT = 0;
      left = vis.left - fw;
      if (left < d.left) {
        left = d.left;
        cutL = std::min(fw - vis.left + d.left, fw);
      }
      top = vis.top - fw;
      if (top < d.top) {
        top = d.top;
        cutT = std::min(fw - vis.top + d.top, fw);
      }
      width = vis.width + 2 * fw - cutL;
      height = vis.height + 2 * fw - cutT;
      if (left + width > d.right) width = d.right - left;
      if (top + height > d.bottom) height = d.bottom - top;
      width = std::max(width, 0);
      height = std::max(height, 0);
    }
    windowRect_ = Rect{left, top, left + width, top + height};
  }
  host_->MoveWindow(windowRect_);
  lastWindowRect_ = PixelBox{windowRect_.left, windowRect_.top, windowRect_.Width(), windowRect_.Height()};
  opt_.FormLeft = pictureRect_.left;
  opt_.FormTop = pictureRect_.top;

  RequestScaledBitmap();

  const std::int32_t w = pictureRect_.width;
  const std::int32_t h = pictureRect_.height;
  const Size2 natural = OrientedNaturalSize();
  const double side = w > h ? natural.w : natural.h;
  // Nothing to compare with for a picture without size, or without a
  // picture at all (the empty window): the ratio stays.
  if (host_->PictureLoaded() && side > 0.0) opt_.SizeRatio = std::max(w, h) / side;
}

bool ViewGeometry::RequestScaledBitmap() {
  if (!host_->PictureLoaded()) return false;
  // While dragging, painting stretches the bitmap it has.
  if ((host_->DragMode() != 0 || opt_.ShowingList) && !host_->TransformNeeded()) return false;
  PixelSize target{pictureRect_.width, pictureRect_.height};
  const int rotation = host_->Rotation();
  if (rotation == 1 || rotation == 3) std::swap(target.width, target.height);
  const PixelSize natural = host_->NaturalSize();
  if (natural.width <= target.width && natural.height <= target.height) {
    // Enlargement is left to painting: the bitmap stays at natural size.
    const PixelSize current = host_->TargetSize();
    if (current.width >= natural.width && current.height >= natural.height) {
      if (!host_->TransformNeeded()) return false;
      host_->Transform();
      return true;
    }
    host_->SetTargetSize(natural);
    host_->Transform();
    return true;
  }
  host_->SetTargetSize(target);
  host_->Transform();
  return true;
}

// ---------------------------------------------------------------- zoom

void ViewGeometry::SwitchFitModesOff() {
  if (!opt_.FitToScreen && !opt_.UseWholeScreen) return;
  opt_.FitToScreen = false;
  opt_.UseWholeScreen = false;
  UpdateWorkArea();
  fitState_ = 0;
  host_->MenuMarksChanged();
}

void ViewGeometry::ZoomTo(double ratio) {
  if (!(ratio > 0.0)) return;  // no such zoom; NaN included
  opt_.SizeRatio = std::min(kMaxSizeRatio, ratio);
  SwitchFitModesOff();
  const Size2 natural = OrientedNaturalSize();
  double w = natural.w * opt_.SizeRatio;
  double h = natural.h * opt_.SizeRatio;
  if (w * w + h * h < kMinDiagonalSquared || w < 0.0 || h < 0.0) ApplyMinimumSize(w, h, natural);
  SetDisplaySize(TruncSize(w), TruncSize(h), false);
  RecordDiagonal();
}

void ViewGeometry::ZoomAt(std::int32_t screenX, std::int32_t screenY, double ratio) {
  if (!(ratio > 0.0)) return;  // no such zoom; NaN included
  const double r0 = opt_.SizeRatio > 0.0 ? opt_.SizeRatio : 1.0;
  const double r = std::min(kMaxSizeRatio, ratio);
  // The cursor's offset from the picture centre, in picture pixels. A cursor
  // far off the picture would overflow 32-bit differences, so doubles.
  const double dx = (static_cast<double>(screenX) - (pictureRect_.left + pictureRect_.width / 2)) / r0;
  const double dy = (static_cast<double>(screenY) - (pictureRect_.top + pictureRect_.height / 2)) / r0;
  const Size2 natural = OrientedNaturalSize();
  double w = std::trunc(natural.w * r);
  double h = std::trunc(natural.h * r);
  if (w * w + h * h < kMinDiagonalSquared || w < 0.0 || h < 0.0) ApplyMinimumSize(w, h, natural);
  const double cx = opt_.CenterX;
  const double cy = opt_.CenterY;
  opt_.CenterX = TruncCoordinate(cx + std::trunc((screenX - cx) - dx * r));
  opt_.CenterY = TruncCoordinate(cy + std::trunc((screenY - cy) - dy * r));
  SwitchFitModesOff();
  SetDisplaySize(TruncSize(w), TruncSize(h), false);
  RecordDiagonal();
}

void ViewGeometry::RecordDiagonal() { opt_.DiagonalLength = DiagonalOf(pictureRect_.width, pictureRect_.height); }

}  // namespace tv
