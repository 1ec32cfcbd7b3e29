#include "app/load_progress.h"

#include <algorithm>

namespace tv {

namespace {
constexpr std::int64_t kShowBarFromMs = 501;   // projected total at which a bar is worth drawing
constexpr std::int64_t kDecideWithinMs = 101;  // after this, a fast projection means "no bar"
constexpr double kMinimumStep = 0.05;
}  // namespace

void LoadProgress::Start(std::int64_t nowMs) {
  Reset();
  startMs_ = nowMs;
}

void LoadProgress::Reset() {
  phase_ = Phase::Measuring;
  base_ = 0;
  lastFraction_ = 0.0;
}

std::optional<double> LoadProgress::Report(std::int64_t numerator, std::int64_t denominator, std::int64_t nowMs) {
  if (phase_ == Phase::Measuring && numerator > 0 && numerator < denominator) {
    const std::int64_t elapsed = nowMs - startMs_;
    if (elapsed * denominator / numerator >= kShowBarFromMs) {
      base_ = numerator;
      phase_ = Phase::Drawing;
    } else if (elapsed >= kDecideWithinMs) {
      phase_ = Phase::Suppressed;
    }
  }
  if (phase_ != Phase::Drawing || denominator <= base_) return std::nullopt;
  const double fraction = static_cast<double>(numerator - base_) / static_cast<double>(denominator - base_);
  if (fraction <= lastFraction_ + kMinimumStep) return std::nullopt;
  lastFraction_ = fraction;
  return fraction;
}

Rect ProgressBarRect(const Rect& picture, double fraction, int frameWidth, bool fullScreen, Point screenOrigin) {
  const int width = static_cast<int>(picture.Width() * std::clamp(fraction, 0.0, 1.0));
  const int height = picture.Height();
  int left, top;
  if (fullScreen) {
    left = picture.left - screenOrigin.x;
    top = picture.top - screenOrigin.y + height - 2;
  } else {
    left = std::min(picture.left, frameWidth);
    top = std::min(picture.top, frameWidth) + height - 2;
  }
  return Rect{left, top, left + width, top + 2};
}

}  // namespace tv
