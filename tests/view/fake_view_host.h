#pragma once
// A ViewHost that records what the geometry asks of the window, the picture
// and the menus, for the view tests.
#include <ostream>
#include <vector>

#include "view/view_geometry.h"

namespace tv {

// Readable failure messages for the geometry types.
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "Rect{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const PixelBox& b, std::ostream* os) {
  *os << "Box{" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << "}";
}
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const PixelSize& s, std::ostream* os) { *os << s.width << " x " << s.height; }

}  // namespace tv

namespace tvtest {

class FakeViewHost : public tv::ViewHost {
 public:
  bool loaded = true;
  tv::PixelSize natural{200, 200};
  std::int32_t rotation = 0;
  tv::PixelSize target{200, 200};
  bool transformNeeded = false;
  int transforms = 0;
  std::vector<tv::Rect> moves;
  bool painting = false;
  int repaints = 0;
  int broughtToFront = 0;
  bool lastTopmost = false;
  int thresholdResets = 0;
  std::int32_t dragMode = 0;
  tv::DragRecord drag;
  tv::Point cursor;
  int endDrags = 0;
  tv::ImageEntry* entry = nullptr;
  int menuMarkUpdates = 0;

  bool PictureLoaded() const override { return loaded; }
  tv::PixelSize NaturalSize() const override { return natural; }
  std::int32_t Rotation() const override { return rotation; }
  void SetRotation(std::int32_t r) override { rotation = r; }
  tv::PixelSize TargetSize() const override { return target; }
  void SetTargetSize(tv::PixelSize t) override { target = t; }
  bool TransformNeeded() const override { return transformNeeded; }
  bool Transform() override {
    ++transforms;
    transformNeeded = false;
    return true;
  }
  void MoveWindow(const tv::Rect& window) override { moves.push_back(window); }
  bool PaintInProgress() const override { return painting; }
  void RepaintNow() override { ++repaints; }
  void BringToFront(bool topmost) override {
    ++broughtToFront;
    lastTopmost = topmost;
  }
  void ResetPaintThreshold() override { ++thresholdResets; }
  std::int32_t DragMode() const override { return dragMode; }
  tv::DragRecord& Drag() override { return drag; }
  tv::Point CursorPos() const override { return cursor; }
  void EndDrag() override {
    ++endDrags;
    dragMode = 0;
  }
  tv::ImageEntry* CurrentEntry() override { return entry; }
  void MenuMarksChanged() override { ++menuMarkUpdates; }
};

// One view on a fake host, with one or more monitors.
struct Scene {
  FakeViewHost host;
  tv::ViewGeometry view{host};

  Scene(const tv::MonitorList& monitors, const tv::ViewOptions& options) {
    view.SetMonitors(monitors);
    view.SetOptions(options);
    view.SetInitialized(true);
    view.UpdateWorkArea();
  }
  // Shows a picture of the given natural size and rotation; like the loader
  // after a decode, the target is the natural size and wants a transform.
  void Show(std::int32_t width, std::int32_t height, std::int32_t rot = 0) {
    host.loaded = true;
    host.natural = {width, height};
    host.rotation = rot;
    host.target = {width, height};
    host.transformNeeded = true;
    view.LayoutPicture();
  }
};

inline tv::MonitorArea Screen(std::int32_t w, std::int32_t h) { return {{0, 0, w, h}, {0, 0, w, h}}; }

inline tv::ViewOptions CentredAt(std::int32_t x, std::int32_t y) {
  tv::ViewOptions o;
  o.CenterX = x;
  o.CenterY = y;
  return o;
}

}  // namespace tvtest
