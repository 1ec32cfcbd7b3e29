// The display bitmap: scaling with HALFTONE and the quarter turns.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "imaging/dib.h"
#include "imaging/loaded_image.h"

namespace tv {

namespace {

// A memory device context with one bitmap selected for its lifetime.
class BitmapDC {
 public:
  explicit BitmapDC(HBITMAP bitmap) : dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_) old_ = ::SelectObject(dc_.get(), bitmap);
  }
  BitmapDC(const BitmapDC&) = delete;
  BitmapDC& operator=(const BitmapDC&) = delete;
  ~BitmapDC() {
    if (dc_ && old_) ::SelectObject(dc_.get(), old_);
  }
  HDC get() const { return dc_.get(); }
  bool ok() const { return dc_ && old_ && old_ != HGDI_ERROR; }
  // HALFTONE averages on reduction; the brush origin must be reset after it.
  void UseHalftone() {
    oldMode_ = ::SetStretchBltMode(dc_.get(), HALFTONE);
    ::SetBrushOrgEx(dc_.get(), 0, 0, nullptr);
  }
  void RestoreMode() {
    if (oldMode_) ::SetStretchBltMode(dc_.get(), oldMode_);
  }

 private:
  UniqueMemoryDC dc_;
  HGDIOBJ old_ = nullptr;
  int oldMode_ = 0;
};

// Turns the w x h picture at `from` a quarter turn into `to` (h x w).
void TurnQuarter(const std::uint32_t* from, int fromStride, int w, int h, std::uint32_t* to, int toStride,
                 bool clockwise) {
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = from + static_cast<std::size_t>(y) * fromStride;
    // Clockwise: source row y becomes output column h-1-y, read downwards.
    // Counter-clockwise: it becomes column y, read upwards.
    const int column = clockwise ? h - 1 - y : y;
    for (int x = 0; x < w; ++x) {
      const int outRow = clockwise ? x : w - 1 - x;
      to[static_cast<std::size_t>(outRow) * toStride + column] = row[x];
    }
  }
}

}  // namespace

void LoadedImage::EnsureScaledBitmap(int width, int height) {
  if (width >= 1 && height >= 1 && scaledAllocatedWidth_ >= width && scaledAllocatedHeight_ >= height) return;
  const std::int64_t side = std::max(width, height);
  int newWidth = width, newHeight = height;
  // A square lets the same bitmap hold the picture turned either way.
  if (side * side <= squareAllocationLimit_) newWidth = newHeight = static_cast<int>(side);
  scaledBitmap_.reset();
  scaledPixels_ = nullptr;
  scaledAllocatedWidth_ = scaledAllocatedHeight_ = 0;
  if (width <= 0 || height <= 0) return;
  void* bits = nullptr;
  UniqueBitmap bitmap = CreateTopDownDib(newWidth, newHeight, &bits);
  if (!bitmap) return;
  scaledBitmap_ = std::move(bitmap);
  scaledPixels_ = bits;
  scaledAllocatedWidth_ = newWidth;
  scaledAllocatedHeight_ = newHeight;
}

bool LoadedImage::EnsureIntermediate(int width, int height) {
  if (intermediateBitmap_ && intermediateWidth_ >= width && intermediateHeight_ >= height) return true;
  intermediateBitmap_.reset();
  intermediatePixels_ = nullptr;
  intermediateWidth_ = intermediateHeight_ = 0;
  void* bits = nullptr;
  UniqueBitmap bitmap = CreateTopDownDib(width, height, &bits);
  if (!bitmap) return false;
  intermediateBitmap_ = std::move(bitmap);
  intermediatePixels_ = bits;
  intermediateWidth_ = width;
  intermediateHeight_ = height;
  return true;
}

bool LoadedImage::Transform() {
  if (!pictureLoaded_) return true;
  transformNeeded_ = false;
  ++transformCount_;
  const HBITMAP source = sourceBitmap();
  const int tw = targetWidth_, th = targetHeight_;
  if (!source || tw <= 0 || th <= 0) return false;

  if (rotation_ == 1 || rotation_ == 3) {
    outputWidth_ = th;
    outputHeight_ = tw;
    rotatedWidth_ = height_;
    rotatedHeight_ = width_;
    EnsureScaledBitmap(th, tw);
    // The intermediate only ever holds the scaled picture, so it is made at
    // the target size rather than the picture's.
    if (!scaledBitmap_ || !EnsureIntermediate(tw, th)) return false;
    BitmapDC from(source), middle(intermediateBitmap_.get());
    if (!from.ok() || !middle.ok()) return false;
    middle.UseHalftone();
    const bool scaled = ::StretchBlt(middle.get(), 0, 0, tw, th, from.get(), 0, 0, width_, height_, SRCCOPY) != FALSE;
    middle.RestoreMode();
    if (!scaled) return false;
    // The turn itself is a lossless pixel shuffle between two 32-bit
    // top-down bitmaps, done in memory: exact, faster than a parallelogram
    // blit, and independent of how well the GDI in use rotates.
    ::GdiFlush();
    TurnQuarter(static_cast<const std::uint32_t*>(intermediatePixels_), intermediateWidth_, tw, th,
                static_cast<std::uint32_t*>(scaledPixels_), scaledAllocatedWidth_, rotation_ == 1);
    return true;
  }

  outputWidth_ = tw;
  outputHeight_ = th;
  rotatedWidth_ = width_;
  rotatedHeight_ = height_;
  EnsureScaledBitmap(tw, th);
  if (!scaledBitmap_) return false;
  BitmapDC from(source), to(scaledBitmap_.get());
  if (!from.ok() || !to.ok()) return false;
  to.UseHalftone();
  bool ok;
  if (rotation_ == 2) {
    const POINT halfTurn[3] = {{tw - 1, th - 1}, {-1, th - 1}, {tw - 1, -1}};
    ok = ::PlgBlt(to.get(), halfTurn, from.get(), 0, 0, width_, height_, nullptr, 0, 0) != FALSE;
  } else {
    // Unturned: a plain stretch is the same parallelogram, done directly.
    ok = ::StretchBlt(to.get(), 0, 0, tw, th, from.get(), 0, 0, width_, height_, SRCCOPY) != FALSE;
  }
  to.RestoreMode();
  return ok;
}

}  // namespace tv
