#pragma once
// Integer conversions shared by the view geometry's files: every double that
// becomes a pixel goes through one of these, so none leaves the ranges the
// geometry is built for.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "view/view_geometry.h"

namespace tv::view_math {

inline std::int32_t ClampInt(std::int64_t v, std::int32_t lo, std::int32_t hi) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, lo, hi));
}

// trunc toward zero, limited to the range of a displayed side (NaN gives 0).
inline std::int32_t TruncSize(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= static_cast<double>(kMaxDisplaySide)) return kMaxDisplaySide;
  return static_cast<std::int32_t>(v);
}

// trunc toward zero, limited to the range of a centre coordinate.
inline std::int32_t TruncCoordinate(double v) {
  if (std::isnan(v)) return 0;
  const double limit = static_cast<double>(kMaxCentreCoordinate);
  return static_cast<std::int32_t>(std::clamp(v, -limit, limit));
}

inline std::int32_t ClampCentre(std::int64_t v) {
  return ClampInt(v, -kMaxCentreCoordinate, kMaxCentreCoordinate);
}

inline int NormalisedRotation(std::int64_t r) { return static_cast<int>(((r % 4) + 4) % 4); }

// Diagonal recorded by the commands: trunc(sqrt(w² + h² + 0.5)), in doubles
// because the integer squares overflow at large zoom ratios.
inline std::int32_t DiagonalOf(std::int32_t w, std::int32_t h) {
  const double dw = w;
  const double dh = h;
  return TruncSize(std::sqrt(dw * dw + dh * dh + 0.5));
}

}  // namespace tv::view_math
