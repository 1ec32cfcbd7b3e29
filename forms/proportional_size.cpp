#include "forms/proportional_size.h"

#include <cmath>
#include <limits>

namespace tv {
namespace {

// Truncates toward zero like a plain conversion, but a result beyond the
// 32-bit range (a very flat or tall picture) saturates instead of being
// undefined.
std::int32_t TruncateSaturated(double value) {
  if (!(value > std::numeric_limits<std::int32_t>::min())) return std::numeric_limits<std::int32_t>::min();
  if (!(value < std::numeric_limits<std::int32_t>::max())) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace

double AspectOf(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return 1.0;
  return static_cast<double>(width) / height;
}

std::int32_t HeightForWidth(std::int32_t width, double aspect) {
  return TruncateSaturated((width + 0.5 * aspect) / aspect);
}

std::int32_t WidthForHeight(std::int32_t height, double aspect) { return TruncateSaturated((height + 0.5) * aspect); }

}  // namespace tv
