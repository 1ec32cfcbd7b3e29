// Playing animated GIF and WebP pictures: the frames, their timing and the
// step that puts the due frame into the source bitmap.
#include <windows.h>

#include "imaging/dib.h"
#include "imaging/gdiplus_decode.h"
#include "imaging/foreign_call_guard.h"
#include "imaging/gif_animation_info.h"
#include "imaging/loaded_image.h"

namespace tv {

using namespace Gdiplus::DllExports;

namespace {

bool SelectGifFrame(Gdiplus::GpImage* image, std::uint32_t frame) {
  Gdiplus::Status status = Gdiplus::GenericError;
  GUID dimension = Gdiplus::FrameDimensionTime;
  if (!RunGuarded([&] { status = GdipImageSelectActiveFrame(image, &dimension, frame); })) return false;
  return status == Gdiplus::Ok;
}

}  // namespace

std::int64_t AnimationNow() {
  static const std::int64_t frequency = [] {
    LARGE_INTEGER f{};
    ::QueryPerformanceFrequency(&f);
    return f.QuadPart > 0 ? f.QuadPart : 1;
  }();
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  return counter.QuadPart / frequency * 1000 + counter.QuadPart % frequency * 1000 / frequency;
}

void LoadedImage::ReleaseAnimation() {
  gifFrames_.clear();
  clock_ = FrameClock();
  pauseStart_ = -1;
}

bool LoadedImage::framesPreRendered() const {
  return animationKind_ == 1 ? !gifFrames_.empty() : animationKind_ == 2 && webp_.preRendered;
}

std::uint64_t LoadedImage::preRenderedBytes() const {
  if (!framesPreRendered()) return 0;
  return static_cast<std::uint64_t>(width_) * static_cast<std::uint64_t>(height_) * 4 * clock_.frameCount();
}

void LoadedImage::SetupGifAnimation(const std::uint8_t* data, std::size_t size) {
  const GifAnimationInfo info = ReadGifAnimationInfo(data, size);
  const std::uint32_t frames = gdiplus_.frameCount;
  std::vector<std::uint32_t> delays(frames);
  for (std::uint32_t i = 0; i < frames; ++i)
    delays[i] = GifFrameDelayMs(i < info.delaysHundredths.size() ? info.delaysHundredths[i] : 0);

  if (ShouldPreRender(static_cast<std::uint32_t>(width_), static_cast<std::uint32_t>(height_), frames,
                      preRenderLimitBits_)) {
    std::vector<UniqueBitmap> rendered;
    rendered.reserve(frames);
    for (std::uint32_t i = 0; i < frames; ++i) {
      UniqueBitmap bitmap;
      void* pixels = nullptr;
      UniqueGpImage target;
      if (!SelectGifFrame(gdiplus_.image.get(), i) ||
          !RenderToBitmap(gdiplus_.image.get(), width_, height_, fillColor_, bitmap, &pixels, target))
        break;
      target.reset();  // the GDI+ wrapper goes before its pixels are ever freed
      rendered.push_back(std::move(bitmap));
    }
    // A frame that could not be had (no bitmap left, a damaged frame) makes
    // the whole animation render frame by frame instead.
    if (rendered.size() == frames) gifFrames_ = std::move(rendered);
  }
  SelectGifFrame(gdiplus_.image.get(), 0);
  animationKind_ = 1;
  frameCount_ = frames;
  loopCount_ = GifLoopsToPlay(info);
  frameDelays_ = delays;
  currentFrame_ = 0;
  clock_.Start(std::move(delays), loopCount_, AnimationNow());
}

void LoadedImage::StartWebpAnimation() {
  animationKind_ = 2;
  frameCount_ = webp_.frameCount;
  loopCount_ = webp_.loopCount;
  const std::int64_t now = AnimationNow();
  if (webp_.preRendered) {
    frameDelays_ = webp_.delaysMs;
    clock_.Start(webp_.delaysMs, loopCount_, now);
  } else {
    frameDelays_.clear();
    clock_.StartStreamed(frameCount_, loopCount_, webp_.lastTimestamp, now);
  }
}

std::int64_t LoadedImage::AnimationTimeLeft(std::int64_t now) const {
  if (!animating_ || animationKind_ == 0 || pauseStart_ >= 0) return animating_ ? 50 : -1;
  return clock_.TimeLeft(now);
}

bool LoadedImage::ShowGifFrame() {
  if (!gifFrames_.empty()) {
    currentFrame_ = clock_.currentFrame();
    return true;
  }
  currentFrame_ = 0;
  if (!gdiplus_.pixels || !SelectGifFrame(gdiplus_.image.get(), clock_.currentFrame())) return false;
  ::GdiFlush();
  // Into the pixels that already exist, so stepping a large GIF makes no new bitmap.
  return DrawOverFill(gdiplus_.image.get(), gdiplus_.pixels, width_, height_, fillColor_);
}

bool LoadedImage::StepAnimation(std::int64_t now) {
  if (!animating_ || animationKind_ == 0 || !pictureLoaded_) return false;
  bool more = false;
  if (animationKind_ == 1) {
    more = clock_.Step(now) && ShowGifFrame();
  } else if (webp_.preRendered) {
    more = clock_.Step(now);
    if (more) currentFrame_ = clock_.currentFrame();
  } else {
    ::GdiFlush();
    more = clock_.StepStreamed(now, [this](bool fromStart) { return NextWebpFrame(webp_, fillColor_, fromStart); });
    frameCount_ = clock_.frameCount();
  }
  if (!more || clock_.Finished()) animating_ = false;
  Transform();
  return more;
}

void LoadedImage::PauseAnimation(std::int64_t now) {
  if (animationKind_ != 0 && pauseStart_ < 0) pauseStart_ = now;
}

void LoadedImage::ResumeAnimation(std::int64_t now) {
  if (pauseStart_ < 0) return;
  if (animationKind_ != 0) clock_.ShiftClocks(now - pauseStart_);
  pauseStart_ = -1;
}

}  // namespace tv
