// The animation thread's side of the main window: pacing, pausing around
// dialogs and the file list, and painting frames without the window thread.
//
// Why this is race-free: everything the animation thread reads or writes -
// the loader's frames, clocks and bitmaps, the copy of the last paint's
// scene, modalOpen_ and the stretch threshold - is guarded by PictureLock.
// The window thread asks the thread to stop or pause *before* it frees,
// replaces or covers the picture (StopAnimationThread precedes every decode,
// release and close; PauseAnimation follows modalOpen_ being set), and the
// thread re-checks those requests under the lock before every step, so a
// frame is never drawn from a bitmap that is going away. The thread never
// calls BeginPaint, SendMessage or anything else that waits for the window
// thread, which may itself be waiting for the thread to stop or pause.
#include <windows.h>

#include "app/main_form.h"

namespace tv {

MainForm::AnimationSnapshot MainForm::AnimationState() const {
  CriticalSectionLock lock(pictureLock_);
  const FrameClock& clock = image_.animationClock();
  return {image_.animating(), clock.currentFrame(), clock.loopsDone(), clock.frameCount()};
}

void MainForm::StartAnimationThread() {
  bool animated = false;
  {
    CriticalSectionLock lock(pictureLock_);
    animated = image_.animating();
    if (animated && animationPauseDepth_ > 0) image_.PauseAnimation(AnimationNow());
  }
  if (!animated) return;
  animationThread_.Start();
  if (animationPauseDepth_ > 0) animationThread_.Pause();
}

void MainForm::StopAnimationThread() {
  animationThread_.Stop();
  CriticalSectionLock lock(pictureLock_);
  fastStretchArea_ = 1e308;
  // The next picture's first window-thread paint records its own scene.
  lastSceneValid_ = false;
}

void MainForm::PauseAnimation() {
  if (animationPauseDepth_++ > 0) return;
  {
    CriticalSectionLock lock(pictureLock_);
    image_.PauseAnimation(AnimationNow());
    fastStretchArea_ = 1e308;
  }
  animationThread_.Pause();
}

void MainForm::ResumeAnimation() {
  if (animationPauseDepth_ == 0 || --animationPauseDepth_ > 0) return;
  {
    CriticalSectionLock lock(pictureLock_);
    image_.ResumeAnimation(AnimationNow());
    fastStretchArea_ = 1e308;
  }
  animationThread_.Resume();
}

// ---------------------------------------------------------------- on the animation thread

std::int64_t MainForm::TimeLeftMs() {
  CriticalSectionLock lock(pictureLock_);
  return image_.AnimationTimeLeft(AnimationNow());
}

bool MainForm::AdvanceFrame() {
  CriticalSectionLock lock(pictureLock_);
  if (animationThread_.StopRequested()) return false;
  if (modalOpen_ || animationThread_.PauseRequested()) return image_.animating();
  const bool more = image_.StepAnimation(AnimationNow());
  PaintAnimationFrame();
  return more;
}

void MainForm::AnimationEnded() {
  CriticalSectionLock lock(pictureLock_);
  if (animationThread_.StopRequested() || modalOpen_ || animationThread_.PauseRequested()) return;
  // The last frame is drawn once more in the best stretch mode.
  fastStretchArea_ = 1e308;
  PaintAnimationFrame();
}

AnimationProgress MainForm::AnimationProgressNow() const {
  const FrameClock& clock = image_.animationClock();
  return {static_cast<int>(clock.frameCount()), static_cast<int>(clock.currentFrame()),
          static_cast<int>(clock.skippedThisLoop()), static_cast<int>(clock.skippedLastLoop())};
}

void MainForm::PaintAnimationFrame() {
  if (!lastSceneValid_ || !window_ || !image_.pictureLoaded() || !image_.scaledBitmap()) return;
  PaintScene scene = lastScene_;
  scene.bitmap = image_.scaledBitmap();
  scene.bitmapWidth = image_.outputWidth();
  scene.bitmapHeight = image_.outputHeight();
  const AnimationProgress progress = AnimationProgressNow();
  const double area = static_cast<double>(scene.window.Width()) * scene.window.Height();
  scene.stretch = ChooseStretchMode(lastSceneDragging_, image_.animating(), progress, area, fastStretchArea_);
  // The window's own DC: BeginPaint would wait for the window thread.
  WindowDC dc(window_);
  if (dc.get()) DrawScene(dc.get(), scene);
}

}  // namespace tv
