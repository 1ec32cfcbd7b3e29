#pragma once
// Where the picture goes and how big it is: the view state of the main window
// and the operations that change it (layout of a new picture, zoom, fit and
// whole-screen modes, full screen, position modes, rotation, the size
// messages of sibling windows). Window-free: monitors come in as rectangles,
// the window rectangle goes out through ViewHost::MoveWindow.
//
// Pixels are 32-bit integers; doubles are used for ratios and diagonals only.
// Conversions truncate toward zero, with an explicit +0.5 where a value is
// meant to round. Inputs that could push the arithmetic out of range (a
// hand-edited ini file, a size message from another window) are clamped to
// the limits below, far beyond anything a screen shows.
#include <cstdint>

#include "util/window_messages.h"
#include "view/monitor_areas.h"
#include "view/view_host.h"
#include "view/view_options.h"

namespace tv {

// left, top, width, height.
struct PixelBox {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t Right() const { return left + width; }
  std::int32_t Bottom() const { return top + height; }
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

inline constexpr double kMinDiagonalSquared = 5000.0;
inline constexpr double kMaxSizeRatio = 200.0;
// Safety limits: a displayed side (3840 x 65535 fits), a screen coordinate of
// the centre, a monitor edge and a border width. Sums of these stay in 32 bits.
inline constexpr std::int32_t kMaxDisplaySide = 1 << 28;
inline constexpr std::int32_t kMaxCentreCoordinate = 1 << 28;
inline constexpr std::int32_t kMaxMonitorCoordinate = 1 << 26;
inline constexpr std::int32_t kMaxFrameWidth = 1 << 16;

class ViewGeometry {
 public:
  // The host must outlive the geometry.
  explicit ViewGeometry(ViewHost& host);
  // A copy is the same view state on the same host; Rehost moves it to
  // another (a stand-in that sizes a picture without touching the window).
  ViewGeometry(const ViewGeometry&) = default;
  ViewGeometry& operator=(const ViewGeometry&) = default;
  void Rehost(ViewHost& host) { host_ = &host; }

  // Settings in and out. SetOptions clamps out-of-range values.
  void SetOptions(const ViewOptions& options);
  const ViewOptions& Options() const { return opt_; }

  // Start-up: the monitors (once; an empty list stands for one 640 x 480
  // screen), then the flags of the start-up sequence.
  void SetMonitors(const MonitorList& monitors);
  void SetInitialized(bool on) { initialized_ = on; }
  void SetRestoringPrevious(bool on) { restoringPrevious_ = on; }
  void SetShowingList(bool on) { opt_.ShowingList = on; }
  void SetAlwaysTop(bool on) { opt_.AlwaysTop = on; }
  // For the mouse handlers and start-up, which move or size the picture
  // themselves and then call ApplyWindowRect. Sizes are clamped.
  void SetPictureRect(const PixelBox& box);
  void SetCentre(std::int64_t x, std::int64_t y);
  // Border width command: keeps the picture in place, the window grows around it.
  void SetFrameWidth(std::int32_t width);

  // State.
  const PixelBox& PictureRect() const { return pictureRect_; }
  const PixelBox& VisibleRect() const { return visibleRect_; }
  const Rect& WindowRect() const { return windowRect_; }
  const PixelBox& LastWindowRect() const { return lastWindowRect_; }
  const PixelBox& WorkArea() const { return workArea_; }
  const Rect& DesktopRect() const { return desktopRect_; }
  double AspectRatio() const { return aspectRatio_; }
  int FitState() const { return fitState_; }
  bool MinSizeApplied() const { return minSizeApplied_; }
  bool Initialized() const { return initialized_; }
  bool RestoringPrevious() const { return restoringPrevious_; }

  // Start-up, before any picture: with a fixed diagonal the empty window
  // takes that diagonal too, keeping its shape; otherwise nothing changes.
  void SizeStartBoxByDiagonal();

  // Core operations.
  void UpdateWorkArea();
  void LayoutPicture();
  void SetDisplaySize(std::int32_t width, std::int32_t height, bool fromLayout);
  void PlaceByPositionMode();
  bool KeepOnScreen();
  void ApplyWindowRect();
  bool RequestScaledBitmap();
  void ZoomTo(double ratio);
  void ZoomAt(std::int32_t screenX, std::int32_t screenY, double ratio);
  void RecordDiagonal();

  // Commands.
  void ShowPixelByPixel();
  void ShowInScreen();
  void MoveToCenter();
  void SetPositionMode(int index);
  void ToggleFitToScreen();
  void ToggleUseWholeScreen();
  void ToggleFullScreen();
  void ToggleFixSizeRatio();
  void ToggleFixDiagonalLength(bool fromCommand);
  void SetWindowSize(std::int64_t width, std::int64_t height);  // size form's OK

  // Rotation.
  // Positive quarter turns go clockwise, as rotation code 1 does.
  void RotateBy(int quarterTurns);
  void SelectRotation(int rotation);  // 0..3
  void RelayoutAfterRotation();

  // The size messages of util/window_messages.h; false for any other message.
  bool HandleSizeMessage(unsigned message, std::uint64_t wParam, std::int64_t lParam);

 private:
  struct Size2 {
    double w;
    double h;
  };
  Size2 OrientedNaturalSize() const;
  void ApplyMinimumSize(double& w, double& h, Size2 natural);
  void SwitchFitModesOff();
  void StoreRotationInEntry();
  void UpdateWorkAreaIfFree();

  ViewHost* host_;
  ViewOptions opt_;
  MonitorList monitors_;
  PixelBox pictureRect_{0, 0, 200, 200};
  PixelBox visibleRect_{0, 0, 200, 200};
  Rect windowRect_{0, 0, 200, 200};
  PixelBox lastWindowRect_{0, 0, 200, 200};
  PixelBox workArea_{0, 0, 1, 1};
  Rect desktopRect_;
  double aspectRatio_ = 1.0;
  int fitState_ = 0;
  bool minSizeApplied_ = false;
  bool restoringPrevious_ = false;
  bool initialized_ = false;
};

}  // namespace tv
