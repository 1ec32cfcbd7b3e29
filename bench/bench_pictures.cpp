#include "bench/bench_pictures.h"

#include <cstdint>

#include "tests/imaging/picture_files.h"

namespace tvbench {

std::string GradientJpeg(int width, int height) {
  return tvtest::EncodeWithGdiplus(
      width, height,
      [width, height](int x, int y) {
        return 0xFF000000u | (static_cast<std::uint32_t>(x * 255 / width) << 16) |
               (static_cast<std::uint32_t>(y * 255 / height) << 8) | static_cast<std::uint32_t>((x ^ y) & 0xFF);
      },
      L"image/jpeg");
}

}  // namespace tvbench
