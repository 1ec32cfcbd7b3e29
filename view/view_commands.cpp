// The commands, rotation and sibling-window messages that change the view
// after layout. They share the view state of ViewGeometry (view_geometry.cpp).
#include <algorithm>
#include <cmath>

#include "view/view_geometry.h"
#include "view/view_math.h"

namespace tv {

using namespace view_math;

void ViewGeometry::ShowPixelByPixel() {
  SwitchFitModesOff();
  if (opt_.SizeRatio == 1.0) return;
  opt_.SizeRatio = 1.0;
  const bool reposition = opt_.CenterX != pictureRect_.left + pictureRect_.width / 2 ||
                          opt_.CenterY != pictureRect_.top + pictureRect_.height / 2;
  const Size2 natural = OrientedNaturalSize();
  SetDisplaySize(TruncSize(natural.w), TruncSize(natural.h), reposition);
  RecordDiagonal();
  if (!host_->PaintInProgress()) host_->RepaintNow();
}

void ViewGeometry::ShowInScreen() {
  if (opt_.UseWholeScreen) {
    opt_.UseWholeScreen = false;
    UpdateWorkArea();
    fitState_ = 0;
    host_->MenuMarksChanged();
  }
  const PixelBox& wa = workArea_;
  const double oldW = pictureRect_.width;
  const double oldH = pictureRect_.height;
  double h = std::min<double>(wa.height, oldH);
  double w = std::min<double>(wa.width, oldW);
  if (w > aspectRatio_ * h) {
    w = aspectRatio_ * h;
  } else {
    h = w / aspectRatio_;
  }
  double left = std::max<double>(wa.left, pictureRect_.left + (oldW - w) * 0.5);
  double top = std::max<double>(wa.top, pictureRect_.top + (oldH - h) * 0.5);
  if (left + w > wa.Right()) left = wa.Right() - w;
  if (top + h > wa.Bottom()) top = wa.Bottom() - h;
  pictureRect_ = PixelBox{TruncCoordinate(left), TruncCoordinate(top), TruncSize(w), TruncSize(h)};
  opt_.CenterX = TruncCoordinate(w * 0.5 + left);
  opt_.CenterY = TruncCoordinate(h * 0.5 + top);
  UpdateWorkAreaIfFree();
  RecordDiagonal();
  ApplyWindowRect();
  host_->BringToFront(opt_.AlwaysTop);
}

void ViewGeometry::MoveToCenter() {
  UpdateWorkArea();
  opt_.CenterX = workArea_.left + workArea_.width / 2;
  opt_.CenterY = workArea_.top + workArea_.height / 2;
  UpdateWorkAreaIfFree();
  SetDisplaySize(pictureRect_.width, pictureRect_.height, false);
}

void ViewGeometry::SetPositionMode(int index) {
  if (initialized_) opt_.PositionMode = std::clamp(index, 0, 5);
  PlaceByPositionMode();
  ApplyWindowRect();
  host_->MenuMarksChanged();
}

void ViewGeometry::ToggleFitToScreen() {
  if (initialized_) opt_.FitToScreen = !opt_.FitToScreen;
  UpdateWorkArea();
  opt_.UseWholeScreen = false;
  fitState_ = 0;
  host_->MenuMarksChanged();
  if (opt_.FitToScreen) LayoutPicture();
}

void ViewGeometry::ToggleUseWholeScreen() {
  if (initialized_) opt_.UseWholeScreen = !opt_.UseWholeScreen;
  UpdateWorkArea();
  opt_.FitToScreen = false;
  fitState_ = 0;
  host_->MenuMarksChanged();
  if (opt_.UseWholeScreen) LayoutPicture();
}

void ViewGeometry::ToggleFullScreen() {
  if (initialized_) opt_.FullScreen = !opt_.FullScreen;
  UpdateWorkArea();
  const std::int32_t fw = opt_.FrameWidth;
  if (!opt_.FullScreen) {
    windowRect_ = Rect{pictureRect_.left - fw, pictureRect_.top - fw, pictureRect_.Right() + fw,
                       pictureRect_.Bottom() + fw};
  } else {
    windowRect_ = Rect{workArea_.left - fw, workArea_.top - fw, workArea_.Right() + fw, workArea_.Bottom() + fw};
    host_->BringToFront(opt_.AlwaysTop);
  }
  if (fitState_ != 0) {
    LayoutPicture();
  } else {
    ApplyWindowRect();
  }
  if (opt_.FullScreen && !host_->PaintInProgress()) host_->RepaintNow();
  host_->MenuMarksChanged();
}

void ViewGeometry::ToggleFixSizeRatio() {
  if (initialized_) opt_.FixSizeRatio = !opt_.FixSizeRatio;
  opt_.FixDiagonalLength = false;
  fitState_ = 0;
  host_->MenuMarksChanged();
}

void ViewGeometry::ToggleFixDiagonalLength(bool fromCommand) {
  if (initialized_) opt_.FixDiagonalLength = !opt_.FixDiagonalLength;
  opt_.FixSizeRatio = false;
  fitState_ = 0;
  if (opt_.FixDiagonalLength && fromCommand && initialized_) RecordDiagonal();
  host_->MenuMarksChanged();
}

void ViewGeometry::SetWindowSize(std::int64_t width, std::int64_t height) {
  SwitchFitModesOff();
  SetDisplaySize(ClampInt(width, 0, kMaxDisplaySide), ClampInt(height, 0, kMaxDisplaySide), false);
  RecordDiagonal();
  if (!host_->PaintInProgress()) host_->RepaintNow();
}

// ---------------------------------------------------------------- rotation

void ViewGeometry::RotateBy(int quarterTurns) {
  if (host_->PictureLoaded()) {
    host_->SetRotation(NormalisedRotation(std::int64_t{host_->Rotation()} + quarterTurns));
    host_->Transform();
    RelayoutAfterRotation();
  } else {
    // Nothing on display: only the setting (and the loader, which keeps it
    // for the next picture) turns.
    opt_.RotateValue = NormalisedRotation(std::int64_t{opt_.RotateValue} + quarterTurns);
    host_->SetRotation(opt_.RotateValue);
  }
  host_->MenuMarksChanged();
}

void ViewGeometry::SelectRotation(int rotation) {
  if (initialized_) {
    const int r = NormalisedRotation(rotation);
    if (host_->PictureLoaded()) {
      host_->SetRotation(r);
      host_->Transform();
      RelayoutAfterRotation();
    } else {
      opt_.RotateValue = r;
      host_->SetRotation(r);
    }
  }
  host_->MenuMarksChanged();
}

void ViewGeometry::StoreRotationInEntry() {
  if (ImageEntry* entry = host_->CurrentEntry()) entry->rotation = opt_.RotateValue;
}

void ViewGeometry::RelayoutAfterRotation() {
  opt_.RotateValue = NormalisedRotation(host_->Rotation());
  StoreRotationInEntry();
  // The zoom ratio survives the turn.
  const bool fixSizeRatio = opt_.FixSizeRatio;
  opt_.FixSizeRatio = true;
  LayoutPicture();
  opt_.FixSizeRatio = fixSizeRatio;
  // A square window did not change size, so nothing else repaints it.
  if (pictureRect_.width == pictureRect_.height && !host_->PaintInProgress()) host_->RepaintNow();
  host_->ResetPaintThreshold();
  if (KeepOnScreen()) ApplyWindowRect();
  StoreRotationInEntry();
}

// ---------------------------------------------------------------- messages

bool ViewGeometry::HandleSizeMessage(unsigned message, std::uint64_t wParam, std::int64_t lParam) {
  if (message == kSetCentreMessage) {
    // The centre travels as two signed 32-bit values.
    SetCentre(static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam)), static_cast<std::int32_t>(lParam));
    UpdateWorkAreaIfFree();
    return true;
  }
  if (message != kSizeFromBoxMessage && message != kSetWidthMessage && message != kSetHeightMessage) return false;
  SwitchFitModesOff();
  const double a = aspectRatio_;
  const std::int32_t param = static_cast<std::int32_t>(std::min<std::uint64_t>(wParam, kMaxDisplaySide));
  const std::int32_t lparam = ClampInt(lParam, 0, kMaxDisplaySide);
  std::int32_t w = 0;
  std::int32_t h = 0;
  if ((message == kSizeFromBoxMessage && a < 1.0) || message == kSetHeightMessage) {
    h = message == kSetHeightMessage ? param : lparam;
    w = TruncSize(h * a);
  } else {
    w = param;
    h = TruncSize(w / a);
  }
  SetDisplaySize(w, h, true);
  RecordDiagonal();
  if (!host_->PaintInProgress()) host_->RepaintNow();
  return true;
}

}  // namespace tv
