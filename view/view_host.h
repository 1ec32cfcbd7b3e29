#pragma once
// What the view geometry needs from the world around it: the loaded picture,
// the window, painting, the mouse drag and the list entry on display. The main
// window implements it; tests use a recording stand-in. Every call happens on
// the window thread.
#include <cstdint>

#include "filelist/image_entry.h"
#include "util/geometry.h"

namespace tv {

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The part of the mouse drag record that layout reads and rewrites when a new
// picture arrives under a left-button drag.
struct DragRecord {
  Point grabOffset;   // cursor - picture left/top at the press
  Point startPoint;   // cursor at the press
  Point lastPoint;    // cursor at the last move
  PixelSize startSize;
  Point startLeftTop;
  double relX = 0.0;  // grab point relative to the picture, 0..1
  double relY = 0.0;
};

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // The loaded picture.
  virtual bool PictureLoaded() const = 0;
  virtual PixelSize NaturalSize() const = 0;  // unrotated Width x Height
  virtual std::int32_t Rotation() const = 0;  // 0..3, -1 before any picture
  virtual void SetRotation(std::int32_t rotation) = 0;
  virtual PixelSize TargetSize() const = 0;
  virtual void SetTargetSize(PixelSize target) = 0;
  virtual bool TransformNeeded() const = 0;
  virtual bool Transform() = 0;  // refills the scaled bitmap

  // The window. MoveWindow places the main window at `window` (screen
  // coordinates), sizes the file-list child to match, records the client
  // rectangle and paints without forcing (the sole window move).
  virtual void MoveWindow(const Rect& window) = 0;
  virtual bool PaintInProgress() const = 0;
  virtual void RepaintNow() = 0;
  virtual void BringToFront(bool topmost) = 0;
  virtual void ResetPaintThreshold() = 0;

  // The mouse. DragMode: 0 none, 1 left, 2 right, 4 middle.
  virtual std::int32_t DragMode() const = 0;
  virtual DragRecord& Drag() = 0;
  virtual Point CursorPos() const = 0;
  virtual void EndDrag() = 0;

  // The list entry on display, or null when nothing is on display.
  virtual ImageEntry* CurrentEntry() = 0;

  // A setting with a menu mark changed (fit, whole screen, full screen, fix
  // ratio, fix diagonal, position mode, rotation); marks are rewritten from
  // the settings.
  virtual void MenuMarksChanged() = 0;
};

}  // namespace tv
