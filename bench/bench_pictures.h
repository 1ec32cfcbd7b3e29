#pragma once
// Pictures the benchmarks decode, made by the encoder a user's camera
// software would use.
#include <string>

namespace tvbench {

// A JPEG with a gradient and fine detail, so the decoder has real work at
// every pixel. GDI+ must be started.
std::string GradientJpeg(int width, int height);

}  // namespace tvbench
