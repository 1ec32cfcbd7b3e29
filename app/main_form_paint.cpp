// Drawing the window whenever what it shows changes; there is no back buffer
// and no WM_PAINT handler.
#include <windows.h>
#include "app/main_form.h"

#include <mmsystem.h>
#include "view/paint_geometry.h"
#include "view/picture_painter.h"

namespace tv {
namespace {

Rect ToRect(const PixelBox& box) { return BoxRect(box.left, box.top, box.width, box.height); }

Rect Moved(const Rect& r, Point by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

}  // namespace

void MainForm::PaintPicture(bool paintNow) {
  if (redrawHold_ > 0 || settings_.ShowingList || !window_) return;
  // Taken before the view is read: the animation thread paints from the
  // scene kept below and must never see one half made.
  CriticalSectionLock lock(pictureLock_);
  const bool fullScreen = view_.Options().FullScreen;
  const int frameWidth = view_.Options().FrameWidth;
  const Rect picture = ToRect(view_.PictureRect());
  const bool throughWindowDC = PaintThroughWindowDC(fullScreen, picture, view_.DesktopRect(), paintNow, modalOpen_);

  ++redrawHold_;
  PAINTSTRUCT paint{};
  HDC beginPaintDC = nullptr;
  if (!throughWindowDC) beginPaintDC = ::BeginPaint(window_, &paint);

  const PixelBox& work = view_.WorkArea();
  const Rect& windowRect = view_.WindowRect();
  const PixelBox& lastWindow = view_.LastWindowRect();
  const Point offset = fullScreen ? Point{frameWidth - work.left, frameWidth - work.top}
                                  : Point{-windowRect.left, -windowRect.top};
  const Rect clip = fullScreen ? BoxRect(windowRect.left, windowRect.top, lastWindow.width, lastWindow.height)
                               : view_.DesktopRect();

  PaintScene scene;
  scene.picture = Moved(picture, offset);
  scene.clip = Moved(clip, offset);
  scene.window = BoxRect(0, 0, lastWindow.width, lastWindow.height);
  scene.fullScreen = fullScreen;
  scene.frameWidth = frameWidth;
  scene.fillColor = settings_.FullFillColor;
  scene.frameColor = settings_.FrameColor;
  scene.contrastColor = contrastColour_;
  if (image_.pictureLoaded() && image_.scaledBitmap()) {
    scene.bitmap = image_.scaledBitmap();
    scene.bitmapWidth = image_.outputWidth();
    scene.bitmapHeight = image_.outputHeight();
  }
  const AnimationProgress progress = AnimationProgressNow();
  scene.stretch = ChooseStretchMode(DragMode() == 1, image_.animating(), progress,
                                    static_cast<double>(windowRect.Width()) * windowRect.Height(), fastStretchArea_);
  scene.showSlideShowMark = idle_.markTicks() >= 0;
  scene.slideShowOn = settings_.SlideShow;
  scene.cursorSize = settings_.UseCursorSize;
  const PixelBox& visible = view_.VisibleRect();
  scene.slideShowMarkCorner = fullScreen ? Point{work.width, work.height}
                                         : Point{visible.width + frameWidth, visible.height + frameWidth};
  lastScene_ = scene;
  lastSceneValid_ = true;
  lastSceneDragging_ = DragMode() == 1;
  if (throughWindowDC) {
    WindowDC dc(window_);
    DrawScene(dc.get(), scene);
  } else {
    DrawScene(beginPaintDC, scene);
    ::EndPaint(window_, &paint);
  }
  --redrawHold_;
}

void MainForm::Redraw() { RepaintNow(); }

int MainForm::ReportLoadProgress(std::int64_t numerator, std::int64_t denominator) {
  if (!settings_.SlideShow && window_) {
    if (const auto fraction = progress_.Report(numerator, denominator, static_cast<std::int64_t>(::timeGetTime()))) {
      const PixelBox& work = view_.WorkArea();
      const Rect bar = ProgressBarRect(ToRect(view_.PictureRect()), *fraction, view_.Options().FrameWidth,
                                       view_.Options().FullScreen, {work.left, work.top});
      WindowDC dc(window_);
      UniqueBrush brush(::CreateSolidBrush(ToColorRef(contrastColour_)));
      const RECT r{bar.left, bar.top, bar.right, bar.bottom};
      if (brush) ::FillRect(dc.get(), &r, brush.get());
    }
  }
  // Only an Esc meant for this window aborts, and only once: the key-down it
  // leaves queued must not also close the viewer.
  if (::GetForegroundWindow() != window_ || (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) == 0) return 0;
  // Waits for the key to be let go, but not for ever: a key stuck down must
  // not hang the window.
  for (int waited = 0; waited < 1000 && (::GetAsyncKeyState(VK_ESCAPE) & 0x8000); ++waited) ::Sleep(10);
  MSG queued;
  while (::PeekMessageW(&queued, window_, WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
  }
  while (::PeekMessageW(&queued, listBox_.Handle(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
  }
  return 1;
}

}  // namespace tv
