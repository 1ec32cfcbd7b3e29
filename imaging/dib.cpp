#include "imaging/dib.h"

namespace tv {

bool FitsBitmapLimit(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
  return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxBitmapBytes / 4;
}

BITMAPINFOHEADER TopDownHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

std::size_t DibStride(int width, int bitsPerPixel) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

UniqueBitmap CreateTopDownDib(int width, int height, void** bits, int bitsPerPixel) {
  *bits = nullptr;
  if ((bitsPerPixel != 32 && bitsPerPixel != 24) || !FitsBitmapLimit(width, height)) return {};
  // The header and one colour entry: the 44-byte block GDI expects.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colour;
  } info{TopDownHeader(width, height), {}};
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  void* pixels = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels,
                                         nullptr, 0));
  if (!bitmap || !pixels) return {};
  *bits = pixels;
  return bitmap;
}

}  // namespace tv
