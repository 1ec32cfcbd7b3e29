#pragma once
// The settings the view geometry reads and writes. Every field is named after
// its ini key so the main window can copy them to and from the settings record
// one by one. Values straight from a hand-edited ini file may be out of range;
// ViewGeometry::SetOptions brings them into the range the arithmetic is safe in.
#include <cstdint>

#include "util/setting_defaults.h"

namespace tv {

struct ViewOptions {
  std::int32_t CenterX = defaults::CenterX;  // screen point the picture is centred on
  std::int32_t CenterY = defaults::CenterY;
  std::int32_t FormLeft = defaults::FormLeft;  // left/top of the picture rectangle, mirrored for saving
  std::int32_t FormTop = defaults::FormTop;
  bool AlwaysTop = defaults::AlwaysTop;
  bool ShowingList = defaults::ShowingList;  // the file list is shown in the window instead of the picture
  std::int32_t FrameWidth = defaults::FrameWidth;  // border around the picture, pixels
  bool FixSizeRatio = defaults::FixSizeRatio;
  bool FitToScreen = defaults::FitToScreen;
  // 0 None, 1 Center, 2 Left Top, 3 Right Top, 4 Left Bottom, 5 Right Bottom
  std::int32_t PositionMode = defaults::PositionMode;
  bool FixRotate = defaults::FixRotate;
  std::int32_t RotateValue = defaults::RotateValue;  // quarter turns 0..3
  bool FixDiagonalLength = defaults::FixDiagonalLength;
  std::int32_t DiagonalLength = defaults::DiagonalLength;
  bool UseWholeScreen = defaults::UseWholeScreen;
  bool FullScreen = defaults::FullScreen;
  double SizeRatio = defaults::SizeRatio;  // displayed size / oriented natural size
};

}  // namespace tv
