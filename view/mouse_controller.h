#pragma once
// The mouse on the main window: presses, drags that move or resize the
// borderless window, the wheel (stepping, zoom, rotation, transparency,
// sibling windows), double clicks, leaving, and the cursor shape for each
// zone. Window-free: points arrive in screen coordinates with the modifier
// state of the message, and everything the mouse changes outside the view
// geometry goes through MouseHost. Called on the window thread only.
#include <cstdint>

#include "view/mouse_math.h"
#include "view/view_geometry.h"
#include "view/view_host.h"

namespace tv {

enum class CursorShape { Arrow, Hand, Grab, Blank, SizeNwse, SizeNesw, SizeWe, SizeNs };

class MouseHost {
 public:
  virtual ~MouseHost() = default;
  virtual bool Locked() const = 0;
  virtual bool ListShown() const = 0;
  virtual bool LoadingList() const = 0;     // cursor changes are suppressed meanwhile
  virtual bool ProgressShown() const = 0;   // the wheel is ignored meanwhile
  virtual int WheelSensitivity() const = 0;
  virtual int Transparency() const = 0;
  virtual void SetTransparency(int alpha) = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;
  virtual void Capture(bool on) = 0;
  virtual void StepBy(int count) = 0;
  virtual int SiblingCount() = 0;
  virtual void StepSiblings(int count) = 0;
  virtual void ShowPopupMenu(Point at) = 0;
  virtual void ShowMoveMenu(Point at) = 0;
  virtual void CloseWindow() = 0;
  virtual void ToggleListView() = 0;
  // Quarter turns as Turn Right (+1, clockwise) and Turn Left (-1) do them.
  virtual void TurnQuarters(int quarters) = 0;
  virtual void ResetRotation() = 0;
  virtual void MarkTransformNeeded() = 0;
};

class MouseController {
 public:
  // Both must outlive the controller.
  MouseController(ViewGeometry& view, ViewHost& viewHost, MouseHost& host)
      : view_(view), viewHost_(viewHost), host_(host) {}

  // button: 1 left, 2 right, 4 middle; modifiers: MouseModifier bits.
  void ButtonDown(int button, Point p);
  void ButtonUp(int button, Point p, int modifiers);
  void MouseMove(Point p, int modifiers);
  void WheelTurn(int delta, Point p, int modifiers);
  void DoubleClick();
  void Leave();
  void EndDrag(Point p);

  int ZoneAt(Point p);
  void SetZoneCursor(int zone);

  int dragMode() const { return dragMode_; }
  int dragZone() const { return dragZone_; }
  void HideCursorZone() { dragZone_ = kZoneHidden; }
  DragRecord& drag() { return drag_; }
  bool suppressNextMenu() const { return suppressNextMenu_; }
  int wheelRemainder() const { return wheelRemainder_; }

 private:
  void MoveBy(Point p);
  void ResizeBy(Point p, bool aroundCentre);

  ViewGeometry& view_;
  ViewHost& viewHost_;
  MouseHost& host_;
  DragRecord drag_;
  Point centre_;
  int dragMode_ = 0;
  int dragZone_ = 0;
  int wheelRemainder_ = 0;
  bool suppressNextMenu_ = false;
  bool zoomedWithRightButton_ = false;
};

}  // namespace tv
