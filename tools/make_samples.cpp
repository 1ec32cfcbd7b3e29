// Writes the sample pictures `make run` opens: every format the viewer reads,
// in several shapes, all drawn here so no picture file is shipped.
#include <windows.h>

#include <webp/encode.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/sample_files.h"
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

// A 6-level colour cube (216 entries) is plenty for drawn samples.
std::uint8_t CubeIndex(int r, int g, int b) {
  return static_cast<std::uint8_t>((r * 5 / 255) * 36 + (g * 5 / 255) * 6 + (b * 5 / 255));
}

std::string SpinningRingsGif(int size, int frameCount) {
  std::vector<std::uint32_t> palette;
  for (int i = 0; i < 216; ++i)
    palette.push_back(static_cast<std::uint32_t>(((i / 36) * 51 << 16) | ((i / 6 % 6) * 51 << 8) | (i % 6) * 51));
  std::vector<tvtest::GifFrame> frames;
  for (int f = 0; f < frameCount; ++f) {
    tvtest::GifFrame frame;
    frame.delayHundredths = 12;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const double d = std::hypot(x - size / 2.0, y - size / 2.0);
        const int v = static_cast<int>(127 + 127 * std::sin(d / 5 - f * 0.8));
        frame.indices.push_back(CubeIndex(v, 255 - v, x * 255 / size));
      }
    frames.push_back(std::move(frame));
  }
  return tvtest::MakeGif(size, size, palette, frames, frameCount > 1);
}

bool SaveBytes(const std::wstring& path, const std::string& bytes) {
  return !bytes.empty() && tv::WriteFileReplacing(path, bytes);
}

// Encodes through GDI+ into a temporary file and returns the bytes.
std::string EncodedBytes(const std::wstring& scratch, const wchar_t* kind, int w, int h,
                         std::vector<std::uint32_t> pixels) {
  if (!tools::SavePixels(scratch, kind, w, h, pixels)) return {};
  tv::FileBytes file = tv::ReadFileBytes(scratch);
  ::DeleteFileW(scratch.c_str());
  return std::move(file.bytes);
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
  ok &= SaveBytes(folder + L"\\05 small.gif", SpinningRingsGif(120, 1));
  ok &= SaveBytes(folder + L"\\08 animated.gif", SpinningRingsGif(160, 8));
  // A landscape camera picture that says it was taken upright: shown as a
  // portrait, turned by its Exif orientation (6: a quarter turn clockwise).
  const std::wstring scratch = folder + L"\\scratch.tmp";
  const std::string camera = EncodedBytes(scratch, L"jpg", 480, 320, Gradient(480, 320));
  tvtest::ExifFields exif;
  exif.orientation = 6;
  exif.make = "taverlune";
  exif.model = "sample camera";
  ok &= SaveBytes(folder + L"\\09 upright.jpg",
                  tvtest::InsertJpegSegment(camera, tvtest::MakeExifSegment(exif), false));
  // A stored ZIP with pictures in a subfolder, stepped through like a folder.
  const std::string first = EncodedBytes(scratch, L"png", 200, 150, Checker(200, 150, 25, false));
  const std::string second = EncodedBytes(scratch, L"jpg", 300, 200, Rings(300, 200));
  ok &= SaveBytes(folder + L"\\10 album.zip",
                  tvtest::MakeZip({{"album/first.png", first}, {"album/second.jpg", second}}));
  auto wide = Gradient(900, 240);
  ok &= SaveWebp(folder + L"\\06 wide.webp", 900, 240, wide);
  auto tall = Rings(200, 300);
  ok &= tools::SavePixels(folder + L"\\07 tall.tif", L"tif", 200, 300, tall);
  return ok ? 0 : 1;
}
