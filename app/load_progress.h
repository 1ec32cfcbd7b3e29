#pragma once
// The thin bar drawn while a slow plug-in decode reports progress. A decode
// projected to finish within about half a second draws nothing; a longer one
// draws a bar that grows in steps of more than 5 %.
#include <cstdint>
#include <optional>

#include "util/geometry.h"

namespace tv {

class LoadProgress {
 public:
  // At the start of every decode.
  void Start(std::int64_t nowMs);
  void Reset();

  // One progress report. Returns the fraction to draw, or nothing when no
  // bar should be drawn for this report.
  std::optional<double> Report(std::int64_t numerator, std::int64_t denominator, std::int64_t nowMs);

 private:
  enum class Phase { Measuring, Drawing, Suppressed };
  Phase phase_ = Phase::Measuring;
  std::int64_t startMs_ = 0;
  std::int64_t base_ = 0;
  double lastFraction_ = 0.0;
};

// The bar's rectangle in window coordinates. picture is the picture
// rectangle in screen coordinates; screenOrigin the top-left of the screen
// area in full-screen mode.
Rect ProgressBarRect(const Rect& picture, double fraction, int frameWidth, bool fullScreen, Point screenOrigin);

}  // namespace tv
