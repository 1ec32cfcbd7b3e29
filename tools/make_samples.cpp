// Writes the sample pictures `make run` opens: every format the viewer reads,
// in several shapes, all drawn here so no picture file is shipped.
#include <windows.h>

#include <webp/encode.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/gdiplus_tool.h"
#include "util/file_system.h"

namespace {

std::uint32_t Bgra(int r, int g, int b, int a = 255) {
  return static_cast<std::uint32_t>((a << 24) | (r << 16) | (g << 8) | b);
}

std::vector<std::uint32_t> Gradient(int w, int h) {
  std::vector<std::uint32_t> p(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p[static_cast<size_t>(y) * w + x] = Bgra(255 * x / w, 255 * y / h, 160);
  return p;
}

std::vector<std::uint32_t> Rings(int w, int h) {
  std::vector<std::uint32_t> p(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double d = std::hypot(x - w / 2.0, y - h / 2.0);
      const int v = static_cast<int>(127 + 127 * std::sin(d / 6));
      p[static_cast<size_t>(y) * w + x] = Bgra(v, 255 - v, (x * 255) / w);
    }
  return p;
}

std::vector<std::uint32_t> Checker(int w, int h, int cell, bool translucent) {
  std::vector<std::uint32_t> p(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool dark = ((x / cell) + (y / cell)) % 2 != 0;
      p[static_cast<size_t>(y) * w + x] =
          dark ? Bgra(40, 60, 200, translucent ? 96 : 255) : Bgra(240, 200, 40);
    }
  return p;
}

bool SaveWebp(const std::wstring& path, int w, int h, const std::vector<std::uint32_t>& pixels) {
  uint8_t* out = nullptr;
  const size_t size = WebPEncodeBGRA(reinterpret_cast<const uint8_t*>(pixels.data()), w, h, w * 4, 80, &out);
  if (size == 0) return false;
  const bool ok = tv::WriteFileReplacing(path, std::string_view(reinterpret_cast<const char*>(out), size));
  WebPFree(out);
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: make_samples <folder>\n", stderr);
    return 2;
  }
  const std::wstring folder = argv[1];
  ::CreateDirectoryW(folder.c_str(), nullptr);
  tools::GdiplusSession gdiplus;
  if (!gdiplus.ok()) return 1;
  bool ok = true;
  auto gradient = Gradient(640, 400);
  ok &= tools::SavePixels(folder + L"\\01 landscape.jpg", L"jpg", 640, 400, gradient);
  auto rings = Rings(360, 540);
  ok &= tools::SavePixels(folder + L"\\02 portrait.png", L"png", 360, 540, rings);
  auto checker = Checker(256, 256, 32, true);
  ok &= tools::SavePixels(folder + L"\\03 transparent.png", L"png", 256, 256, checker);
  auto tiles = Checker(320, 200, 20, false);
  ok &= tools::SavePixels(folder + L"\\04 tiles.bmp", L"bmp", 320, 200, tiles);
  auto small = Rings(120, 120);
  ok &= tools::SavePixels(folder + L"\\05 small.gif", L"gif", 120, 120, small);
  auto wide = Gradient(900, 240);
  ok &= SaveWebp(folder + L"\\06 wide.webp", 900, 240, wide);
  auto tall = Rings(200, 300);
  ok &= tools::SavePixels(folder + L"\\07 tall.tif", L"tif", 200, 300, tall);
  return ok ? 0 : 1;
}
