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

namespace {

UniqueBitmap CreateDib(BITMAPINFOHEADER header, void** bits) {
  // The header and one colour entry: the 44-byte block GDI expects.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colour;
  } info{header, {}};
  void* pixels = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels,
                                         nullptr, 0));
  if (!bitmap || !pixels) return {};
  *bits = pixels;
  return bitmap;
}

}  // namespace

UniqueBitmap CreateTopDownDib(int width, int height, void** bits) {
  *bits = nullptr;
  if (!FitsBitmapLimit(width, height)) return {};
  return CreateDib(TopDownHeader(width, height), bits);
}

UniqueBitmap CreateTopDownDib24(int width, int height, void** bits) {
  *bits = nullptr;
  if (!FitsBitmapLimit(width, height)) return {};
  BITMAPINFOHEADER header = TopDownHeader(width, height);
  header.biBitCount = 24;
  return CreateDib(header, bits);
}

}  // namespace tv
