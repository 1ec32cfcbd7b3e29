#pragma once
// A ViewHost that records what the geometry asks of the window, the picture
// and the menus, for the view tests.
#include <ostream>
#include <vector>

#include "view/view_geometry.h"

namespace tv {
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "Rect{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const PixelBox& b, std::ostream* os) {
  *os << "Box{" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << "}";
}
}  // namespace tv

namespace tvtest {

class FakeViewHost : public tv::ViewHost {
 public:
  bool loaded = true, transformNeeded = false, painting = false, lastTopmost = false;
  tv::PixelSize natural{200, 200}, target{200, 200};
  std::int32_t rotation = 0, dragMode = 0;
  int transforms = 0, repaints = 0, broughtToFront = 0, thresholdResets = 0, endDrags = 0, menuMarkUpdates = 0;
  std::vector<tv::Rect> moves;
  tv::DragRecord drag;
  tv::Point cursor;
  tv::ImageEntry* entry = nullptr;

  bool PictureLoaded() const override { return loaded; }
  tv::PixelSize NaturalSize() const override { return natural; }
  std::int32_t Rotation() const override { return rotation; }
  void SetRotation(std::int32_t r) override { rotation = r; }
  tv::PixelSize TargetSize() const override { return target; }
  void SetTargetSize(tv::PixelSize t) override { target = t; }
  bool TransformNeeded() const override { return transformNeeded; }
  bool Transform() override { return ++transforms, transformNeeded = false, true; }
  void MoveWindow(const tv::Rect& window) override { moves.push_back(window); }
  bool PaintInProgress() const override { return painting; }
  void RepaintNow() override { ++repaints; }
  void BringToFront(bool topmost) override { ++broughtToFront, lastTopmost = topmost; }
  void ResetPaintThreshold() override { ++thresholdResets; }
  std::int32_t DragMode() const override { return dragMode; }
  tv::DragRecord& Drag() override { return drag; }
  tv::Point CursorPos() const override { return cursor; }
  void EndDrag() override { ++endDrags, dragMode = 0; }
  tv::ImageEntry* CurrentEntry() override { return entry; }
  void MenuMarksChanged() override { ++menuMarkUpdates; }
};

inline tv::MonitorArea Screen(std::int32_t w, std::int32_t h) { return {{0, 0, w, h}, {0, 0, w, h}}; }
inline tv::ViewOptions CentredAt(std::int32_t x, std::int32_t y) {
  tv::ViewOptions o;
  o.CenterX = x;
  o.CenterY = y;
  return o;
}

// One view on a fake host, with one or more monitors.
struct Scene {
  FakeViewHost host;
  tv::ViewGeometry view{host};

  explicit Scene(const tv::ViewOptions& options = CentredAt(960, 540),
                 const tv::MonitorList& monitors = {Screen(1920, 1080)}) {
    view.SetMonitors(monitors);
    view.SetOptions(options);
    view.SetInitialized(true);
    view.UpdateWorkArea();
  }
  // Like the loader after a decode: the target is the natural size and wants a transform.
  void Show(std::int32_t width, std::int32_t height, std::int32_t rot = 0) {
    host.loaded = true;
    host.natural = host.target = {width, height};
    host.rotation = rot;
    host.transformNeeded = true;
    view.LayoutPicture();
  }
  tv::PixelSize Size() const { return {view.PictureRect().width, view.PictureRect().height}; }
  tv::Point Centre() const { return {view.Options().CenterX, view.Options().CenterY}; }
  const tv::ViewOptions& Opt() const { return view.Options(); }
};

// An 800 x 600 picture at natural size, centred on a 1920 x 1080 screen at (560, 240).
struct Shown : Scene {
  explicit Shown(const tv::ViewOptions& o = CentredAt(960, 540), const tv::MonitorList& m = {Screen(1920, 1080)})
      : Scene(o, m) {
    Show(800, 600);
  }
};

inline tv::ViewOptions With(void (*set)(tv::ViewOptions&), std::int32_t x = 960, std::int32_t y = 540) {
  tv::ViewOptions o = CentredAt(x, y);
  set(o);
  return o;
}

}  // namespace tvtest
