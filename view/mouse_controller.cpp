#include "view/mouse_controller.h"

#include <algorithm>
#include <cmath>

namespace tv {

int MouseController::ZoneAt(Point p) {
  const PixelBox& box = view_.PictureRect();
  const int zone = view_.FitState() == 0 ? BorderZoneAt(p, box, view_.Options().FrameWidth) : -1;
  if (zone >= 0) {
    if (dragMode_ == 2 || dragMode_ == 4) {
      SetZoneCursor(kZoneInside);
      return kZoneInside;
    }
    SetZoneCursor(zone);
    return zone;
  }
  if (host_.LoadingList()) return kZoneInside;
  if (!host_.Locked() && !host_.ListShown())
    host_.SetCursorShape(dragMode_ == 1 ? CursorShape::Grab : CursorShape::Hand);
  else
    host_.SetCursorShape(CursorShape::Arrow);
  return kZoneInside;
}

void MouseController::SetZoneCursor(int zone) {
  if (host_.LoadingList()) return;
  if (host_.Locked()) {
    host_.SetCursorShape(zone == kZoneHidden ? CursorShape::Blank : CursorShape::Arrow);
    return;
  }
  switch (zone) {
    case kZoneHidden:
      host_.SetCursorShape(host_.ListShown() ? CursorShape::Arrow : CursorShape::Blank);
      break;
    case kZoneInside:
      host_.SetCursorShape(host_.ListShown() ? CursorShape::Arrow
                           : dragMode_ == 1   ? CursorShape::Grab
                                              : CursorShape::Hand);
      break;
    case kZoneTopLeft:
    case kZoneBottomRight:
      host_.SetCursorShape(CursorShape::SizeNwse);
      break;
    case kZoneTopRight:
    case kZoneBottomLeft:
      host_.SetCursorShape(CursorShape::SizeNesw);
      break;
    case kZoneLeft:
    case kZoneRight:
      host_.SetCursorShape(CursorShape::SizeWe);
      break;
    default:
      host_.SetCursorShape(CursorShape::SizeNs);
      break;
  }
}

void MouseController::ButtonDown(int button, Point p) {
  if (host_.Locked()) return;
  if (button == 1) {
    const PixelBox& box = view_.PictureRect();
    view_.SetCentre(static_cast<std::int64_t>(box.left) + box.width / 2,
                    static_cast<std::int64_t>(box.top) + box.height / 2);
    if (!view_.Options().FullScreen && view_.FitState() == 0) view_.UpdateWorkArea();
    centre_ = {view_.Options().CenterX, view_.Options().CenterY};
    drag_.grabOffset = {p.x - box.left, p.y - box.top};
    drag_.startLeftTop = {box.left, box.top};
    drag_.startSize = {box.width, box.height};
    drag_.relX = box.width > 0 ? static_cast<double>(p.x - box.left) / box.width : 0.0;
    drag_.relY = box.height > 0 ? static_cast<double>(p.y - box.top) / box.height : 0.0;
    drag_.startPoint = drag_.lastPoint = p;
  }
  dragMode_ = button;
  dragZone_ = ZoneAt(p);
  host_.Capture(true);
}

void MouseController::MoveBy(Point p) {
  PixelBox box = view_.PictureRect();
  box.left = p.x - drag_.grabOffset.x;
  box.top = p.y - drag_.grabOffset.y;
  const ViewOptions& o = view_.Options();
  const PixelBox& work = view_.WorkArea();
  const int fit = view_.FitState();
  if (o.FitToScreen) {
    // A side that does not fill the work area stays inside it.
    if ((fit & 2) == 0) box.left = std::min(std::max(box.left, work.left), work.Right() - box.width);
    if ((fit & 1) == 0) box.top = std::min(std::max(box.top, work.top), work.Bottom() - box.height);
  } else if (o.UseWholeScreen) {
    // A side that does not fill may not uncover the work area.
    if ((fit & 2) == 0) box.left = std::max(std::min(box.left, work.left), work.Right() - box.width);
    if ((fit & 1) == 0) box.top = std::max(std::min(box.top, work.top), work.Bottom() - box.height);
  }
  view_.SetPictureRect(box);
}

void MouseController::ResizeBy(Point p, bool aroundCentre) {
  const PixelSize natural{viewHost_.NaturalSize()};
  const bool turned = viewHost_.Rotation() == 1 || viewHost_.Rotation() == 3;
  ResizeStart start;
  start.start = drag_.startPoint;
  start.box = {drag_.startLeftTop.x, drag_.startLeftTop.y, drag_.startSize.width, drag_.startSize.height};
  start.centre = centre_;
  start.aspect = view_.AspectRatio();
  start.naturalW = turned ? natural.height : natural.width;
  start.naturalH = turned ? natural.width : natural.height;
  const PixelBox box = ResizeFor(dragZone_, aroundCentre, p, start);
  view_.SetPictureRect(box);
  const PixelBox& placed = view_.PictureRect();
  drag_.relX = placed.width > 0 ? static_cast<double>(p.x - placed.left) / placed.width : 0.0;
  drag_.relY = placed.height > 0 ? static_cast<double>(p.y - placed.top) / placed.height : 0.0;
}

void MouseController::MouseMove(Point p, int modifiers) {
  if (host_.Locked() || dragMode_ != 1) {
    dragZone_ = ZoneAt(p);
    drag_.lastPoint = p;
    return;
  }
  if (dragZone_ == kZoneInside) MoveBy(p);
  else if (dragZone_ >= kZoneTopLeft && dragZone_ <= kZoneBottom) ResizeBy(p, (modifiers & kModCtrl) != 0);
  else {
    drag_.lastPoint = p;
    return;
  }
  if (view_.Options().FixDiagonalLength) {
    ViewOptions options = view_.Options();
    options.DiagonalLength = ResizeDiagonal(view_.PictureRect().width, view_.PictureRect().height);
    view_.SetOptions(options);
  }
  view_.KeepOnScreen();
  view_.ApplyWindowRect();
  drag_.lastPoint = p;
}

void MouseController::EndDrag(Point p) {
  const PixelBox& box = view_.PictureRect();
  view_.SetCentre(static_cast<std::int64_t>(box.left) + box.width / 2,
                  static_cast<std::int64_t>(box.top) + box.height / 2);
  if (!view_.Options().FullScreen && view_.FitState() == 0) view_.UpdateWorkArea();
  const bool leftDrag = dragMode_ == 1;
  dragMode_ = 0;  // paints stretch in the better mode again
  if (leftDrag && !viewHost_.PaintInProgress()) viewHost_.RepaintNow();
  dragZone_ = ZoneAt(p);
  host_.Capture(false);
}

void MouseController::ButtonUp(int button, Point p, int s) {
  if (host_.Locked()) {
    if (button == 2) {
      if (suppressNextMenu_) suppressNextMenu_ = false;
      else if (s & kModAlt) host_.ShowMoveMenu(p);
      else host_.ShowPopupMenu(p);
    }
    dragMode_ = 0;
    return;
  }
  if (button == 1) {
    if (dragMode_ != 0) {
      EndDrag(p);
      if (s & kModRight) {
        view_.ShowInScreen();
        suppressNextMenu_ = true;
      } else if (view_.RequestScaledBitmap() && !viewHost_.PaintInProgress()) {
        viewHost_.RepaintNow();
      }
    }
  } else if (button == 4) {
    if (host_.ListShown()) {
      host_.CloseWindow();
    } else if (s == (kModLeft | kModRight) || s == (kModShift | kModCtrl)) {
      // Only a right button used as a modifier takes the menu's release.
      EndDrag(p);
      if (s & kModRight) suppressNextMenu_ = true;
      host_.SetTransparency(255);
    } else if (s & (kModShift | kModLeft)) {
      EndDrag(p);
      host_.ResetRotation();
    } else if (s & (kModCtrl | kModRight)) {
      if (s & kModRight) suppressNextMenu_ = true;
      if (view_.Options().SizeRatio != 1.0) view_.ZoomAt(p.x, p.y, 1.0);
      zoomedWithRightButton_ = true;
    } else {
      host_.CloseWindow();
    }
  } else if (button == 2) {
    if (suppressNextMenu_) {
      suppressNextMenu_ = false;
      if (zoomedWithRightButton_) {
        host_.MarkTransformNeeded();
        view_.RequestScaledBitmap();
        if (!viewHost_.PaintInProgress()) viewHost_.RepaintNow();
        zoomedWithRightButton_ = false;
      }
    } else if (s & kModLeft) {
      EndDrag(p);
      view_.ShowInScreen();
    } else if (s & kModCtrl) {
      host_.ShowMoveMenu(p);
    } else {
      host_.ShowPopupMenu(p);
    }
  }
  dragMode_ = 0;
}

void MouseController::WheelTurn(int delta, Point p, int s) {
  if (host_.Locked() || host_.ListShown() || host_.ProgressShown()) return;
  const int steps = WheelSteps(wheelRemainder_, delta, host_.WheelSensitivity());
  if (s == 0) {
    if (steps != 0) host_.StepBy(steps);
  } else if (s == (kModShift | kModCtrl) || (s == (kModLeft | kModRight) && steps != 0)) {
    if (s == (kModLeft | kModRight)) {
      EndDrag(p);
      suppressNextMenu_ = true;
    }
    host_.SetTransparency(NextTransparency(host_.Transparency(), steps));
  } else if ((s & (kModShift | kModLeft)) != 0) {
    if (steps == 0) return;
    if (s & kModLeft) EndDrag(p);
    // A backward turn (the direction that steps forward) turns clockwise,
    // as Turn Right does; a forward turn as Turn Left.
    host_.TurnQuarters(steps < 1 ? -1 : 1);
  } else if ((s & (kModCtrl | kModRight)) != 0) {
    if (s & kModRight) suppressNextMenu_ = true;
    view_.ZoomAt(p.x, p.y, WheelZoomFactor(delta, host_.WheelSensitivity()) * view_.Options().SizeRatio);
    zoomedWithRightButton_ = true;
  } else if (s & kModX2) {
    if (steps == 0) return;
    host_.StepBy(steps);
    host_.StepSiblings(steps);
  } else if (s & kModX1) {
    if (steps == 0) return;
    const int k = host_.SiblingCount() + 1;
    host_.StepSiblings(k * steps);
    host_.StepBy(k * steps);
  }
}

void MouseController::DoubleClick() {
  if (!host_.Locked()) host_.ToggleListView();
}

void MouseController::Leave() {
  dragMode_ = 0;
  dragZone_ = kZoneHidden;
}

}  // namespace tv
