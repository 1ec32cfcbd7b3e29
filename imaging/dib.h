#pragma once
// Top-down device-independent bitmaps, the working format of every picture
// bitmap. Most are 32-bit: 4 bytes a pixel in blue, green, red, alpha order,
// rows width * 4 bytes apart. An opaque still picture may keep its source as
// a 24-bit one instead: 3 bytes a pixel in blue, green, red order, each row
// padded to a multiple of 4 bytes. Display, intermediate and animation
// bitmaps are always 32-bit.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "util/win_handles.h"

namespace tv {

// The largest pixel buffer the loader asks for; larger pictures fail their
// load instead of exhausting memory. GDI cannot address more in one DIB.
constexpr std::uint64_t kMaxBitmapBytes = 0x7FFFFFFF;

// True when width x height pixels of 4 bytes stay within kMaxBitmapBytes. A
// 24-bit bitmap's padded rows are never longer than 4 bytes a pixel, so the
// same check holds for it.
bool FitsBitmapLimit(std::int64_t width, std::int64_t height);

// The header of a 32-bit one, for GDI calls that read or write its rows.
BITMAPINFOHEADER TopDownHeader(int width, int height);

// Bytes from one row to the next of a DIB of this width and depth (24 or 32).
std::size_t DibStride(int width, int bitsPerPixel);

// Empty (and *bits null) when a side is not positive, the size is over the
// limit, or GDI cannot allocate it. `bitsPerPixel` is 32 or 24.
UniqueBitmap CreateTopDownDib(int width, int height, void** bits, int bitsPerPixel = 32);

}  // namespace tv
