// The display bitmap: scaling with HALFTONE and the quarter turns.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "imaging/dib.h"
#include "imaging/loaded_image.h"
#include "imaging/pixel_convert.h"

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

// Turns the w x h picture at `from` half a turn into `to` (w x h).
void TurnHalf(const std::uint32_t* from, int fromStride, int w, int h, std::uint32_t* to, int toStride) {
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = from + static_cast<std::size_t>(y) * fromStride;
    std::uint32_t* out = to + static_cast<std::size_t>(h - 1 - y) * toStride;
    std::reverse_copy(row, row + w, out);
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

bool LoadedImage::StretchSourceAsIs(HBITMAP target, int tw, int th) const {
  BitmapDC to(target);
  if (!to.ok()) return false;
  to.UseHalftone();
  bool ok = false;
  if (const PluginBits* rows = PluginRowsAsIs()) {
    ok = rows->StretchTo(to.get(), tw, th);
  } else {
    BitmapDC from(sourceBitmap());
    ok = from.ok() && ::StretchBlt(to.get(), 0, 0, tw, th, from.get(), 0, 0, width_, height_, SRCCOPY) != FALSE;
  }
  to.RestoreMode();
  return ok;
}

bool LoadedImage::SourceHas24BitRows() const {
  if (PluginRowsAsIs()) return true;
  DIBSECTION section{};
  return ::GetObjectW(sourceBitmap(), sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 24;
}

bool LoadedImage::StretchSourceInto(HBITMAP target, void* targetPixels, int targetStride, int tw, int th) const {
  if (!SourceHas24BitRows()) return StretchSourceAsIs(target, tw, th);
  // GDI converts a whole source of another depth before it scales it: the
  // picture is scaled within 24 bits and only the scaled rows are widened.
  void* narrowPixels = nullptr;
  UniqueBitmap narrow = CreateTopDownDib(tw, th, &narrowPixels, 24);
  if (!narrow || !StretchSourceAsIs(narrow.get(), tw, th)) return false;
  ::GdiFlush();
  const auto* from = static_cast<const std::uint8_t*>(narrowPixels);
  auto* to = static_cast<std::uint32_t*>(targetPixels);
  for (int y = 0; y < th; ++y)
    ExpandBgrOpaque(from + static_cast<std::size_t>(y) * DibStride(tw, 24), to + static_cast<std::size_t>(y) * targetStride,
                    static_cast<std::size_t>(tw));
  return true;
}

bool LoadedImage::Transform() {
  if (!pictureLoaded_) return true;
  transformNeeded_ = false;
  ++transformCount_;
  const int tw = targetWidth_, th = targetHeight_;
  if ((!PluginRowsAsIs() && !sourceBitmap()) || tw <= 0 || th <= 0) return false;

  const bool quarter = rotation_ == 1 || rotation_ == 3;
  outputWidth_ = quarter ? th : tw;
  outputHeight_ = quarter ? tw : th;
  rotatedWidth_ = quarter ? height_ : width_;
  rotatedHeight_ = quarter ? width_ : height_;
  EnsureScaledBitmap(outputWidth_, outputHeight_);
  if (!scaledBitmap_) return false;
  if (rotation_ == 0) return StretchSourceInto(scaledBitmap_.get(), scaledPixels_, scaledAllocatedWidth_, tw, th);

  // The intermediate only ever holds the scaled picture, so it is made at
  // the target size rather than the picture's. The turn itself is a
  // lossless pixel shuffle between two 32-bit top-down bitmaps, done in
  // memory: exact, faster than a parallelogram blit, independent of how well
  // the GDI in use rotates, and the same for a plug-in's own rows, which
  // have no device context to blit from.
  if (!EnsureIntermediate(tw, th) ||
      !StretchSourceInto(intermediateBitmap_.get(), intermediatePixels_, intermediateWidth_, tw, th))
    return false;
  ::GdiFlush();
  const auto* from = static_cast<const std::uint32_t*>(intermediatePixels_);
  auto* to = static_cast<std::uint32_t*>(scaledPixels_);
  if (rotation_ == 2)
    TurnHalf(from, intermediateWidth_, tw, th, to, scaledAllocatedWidth_);
  else
    TurnQuarter(from, intermediateWidth_, tw, th, to, scaledAllocatedWidth_, rotation_ == 1);
  return true;
}

}  // namespace tv
