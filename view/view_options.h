#pragma once
// The settings the view geometry reads and writes. Every field is named after
// its ini key so the main window can copy them to and from the settings record
// one by one. Values straight from a hand-edited ini file may be out of range;
// ViewGeometry::SetOptions brings them into the range the arithmetic is safe in.
#include <cstdint>

namespace tv {

struct ViewOptions {
  std::int32_t CenterX = 100;  // screen point the picture is centred on
  std::int32_t CenterY = 100;
  std::int32_t FormLeft = 0;  // left/top of the picture rectangle, mirrored for saving
  std::int32_t FormTop = 0;
  bool AlwaysTop = false;
  bool ShowingList = false;  // the file list is shown in the window instead of the picture
  std::int32_t FrameWidth = 0;  // border around the picture, pixels
  bool FixSizeRatio = false;
  bool FitToScreen = false;
  std::int32_t PositionMode = 0;  // 0 None, 1 Center, 2 Left Top, 3 Right Top, 4 Left Bottom, 5 Right Bottom
  bool FixRotate = false;
  std::int32_t RotateValue = 0;  // quarter turns 0..3
  bool FixDiagonalLength = false;
  std::int32_t DiagonalLength = 0;
  bool UseWholeScreen = false;
  bool FullScreen = false;
  double SizeRatio = 1.0;  // displayed size / oriented natural size
};

}  // namespace tv
