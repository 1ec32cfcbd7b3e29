#include "imaging/dib.h"

#include <cstddef>
#include <system_error>
#include <utility>

namespace tv {

bool FitsBitmapLimit(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
  return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxBitmapBytes / 4;
}

UniqueBitmap CreateTopDownDib(int width, int height, void** bits) {
  *bits = nullptr;
  if (!FitsBitmapLimit(width, height)) return {};
  // The header and one colour entry: the 44-byte block GDI expects.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colour;
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 32;
  info.header.biCompression = BI_RGB;
  void* pixels = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels,
                                         nullptr, 0));
  if (!bitmap || !pixels) return {};
  *bits = pixels;
  return bitmap;
}

void WarmBitmap::Start(int width, int height) {
  Join();
  bitmap_ = CreateTopDownDib(width, height, &bits_);
  if (!bitmap_) return;
  width_ = width;
  height_ = height;
  auto* bytes = static_cast<volatile std::uint8_t*>(bits_);
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  try {
    toucher_ = std::thread([bytes, size] {
      // One write a page; the bitmap is filled whole later.
      for (std::size_t at = 0; at < size; at += 4096) bytes[at] = 0;
    });
  } catch (const std::system_error&) {
    // Untouched, it still serves.
  }
}

UniqueBitmap WarmBitmap::Take(int width, int height, void** bits) {
  Join();
  *bits = nullptr;
  if (!bitmap_ || width != width_ || height != height_) return {};
  *bits = std::exchange(bits_, nullptr);
  width_ = height_ = 0;
  return std::move(bitmap_);
}

void WarmBitmap::Join() noexcept {
  if (toucher_.joinable()) toucher_.join();
}

}  // namespace tv
