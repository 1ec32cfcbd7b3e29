#pragma once
// The other side of a width/height pair that keeps a picture's proportions,
// rounded to the nearest pixel. Window-free.
#include <cstdint>

namespace tv {

// width / height, or 1 when either side is not positive.
double AspectOf(std::int32_t width, std::int32_t height);

// width / aspect rounded (800 at 4:3 gives 600).
std::int32_t HeightForWidth(std::int32_t width, double aspect);
// height * aspect rounded (600 at 4:3 gives 800).
std::int32_t WidthForHeight(std::int32_t height, double aspect);

}  // namespace tv
