#include "view/target_size_probe.h"

namespace tv {

namespace {

class ProbeHost final : public ViewHost {
 public:
  ProbeHost(PixelSize natural, std::int32_t rotation) : natural_(natural), rotation_(rotation) {}

  // A freshly decoded picture: loaded, never transformed, target at its own size.
  bool PictureLoaded() const override { return true; }
  PixelSize NaturalSize() const override { return natural_; }
  std::int32_t Rotation() const override { return rotation_; }
  void SetRotation(std::int32_t rotation) override { rotation_ = rotation; }
  PixelSize TargetSize() const override { return target_; }
  void SetTargetSize(PixelSize target) override { target_ = target; }
  bool TransformNeeded() const override { return true; }
  bool Transform() override { return true; }

  void MoveWindow(const Rect&) override {}
  bool PaintInProgress() const override { return true; }
  void RepaintNow() override {}
  void BringToFront(bool) override {}
  void ResetPaintThreshold() override {}

  // A drag moves the picture, never sizes it differently.
  std::int32_t DragMode() const override { return 0; }
  DragRecord& Drag() override { return drag_; }
  Point CursorPos() const override { return {}; }
  void EndDrag() override {}
  ImageEntry* CurrentEntry() override { return nullptr; }
  void MenuMarksChanged() override {}

 private:
  PixelSize natural_;
  std::int32_t rotation_;
  PixelSize target_ = natural_;
  DragRecord drag_;
};

}  // namespace

PixelSize PredictTargetSize(const ViewGeometry& view, PixelSize natural, std::int32_t rotation) {
  ProbeHost host(natural, rotation);
  ViewGeometry copy(view);
  copy.Rehost(host);
  copy.LayoutPicture();
  return host.TargetSize();
}

}  // namespace tv
