#pragma once
// 32-bit top-down device-independent bitmaps, the working format of every
// picture bitmap: 4 bytes a pixel in blue, green, red, alpha order, rows
// width * 4 bytes apart.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "util/win_handles.h"

namespace tv {

// The largest pixel buffer the loader asks for; larger pictures fail their
// load instead of exhausting memory. GDI cannot address more in one DIB.
constexpr std::uint64_t kMaxBitmapBytes = 0x7FFFFFFF;

// True when width x height pixels of 4 bytes stay within kMaxBitmapBytes.
bool FitsBitmapLimit(std::int64_t width, std::int64_t height);

// The header of such a bitmap, for GDI calls that read or write its rows.
BITMAPINFOHEADER TopDownHeader(int width, int height);

// Empty (and *bits null) when a side is not positive, the size is over the
// limit, or GDI cannot allocate it.
UniqueBitmap CreateTopDownDib(int width, int height, void** bits);

// Bytes a row of a 24-bit DIB takes: 3 a pixel, padded to 4.
constexpr std::size_t Dib24Stride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }
// The same for 3-byte blue, green, red pixels in such rows, the format of
// opaque pictures as most decoders hand them out.
UniqueBitmap CreateTopDownDib24(int width, int height, void** bits);

}  // namespace tv
