#pragma once
// How much memory a decode can still get, asked of the system each time: the
// 32-bit program's address space and the commit the machine can back both
// run out, and which one first depends on the machine.
#include <cstdint>

#include "imaging/declared_size.h"

namespace tv {

// Peak bytes per pixel while a picture decodes, measured and derived from
// the decode paths: GDI+ holds its decoded bitmap and its working buffers
// while our bitmap is filled; a WebP still decodes straight into our bitmap;
// an animation's decoder keeps two canvases beside our bitmap.
constexpr std::uint32_t kGdiplusPeakBytesPerPixel = 12;
constexpr std::uint32_t kWebpStillPeakBytesPerPixel = 4;
constexpr std::uint32_t kWebpAnimationPeakBytesPerPixel = 12;

// The smaller of the free address space and the commit still available.
std::uint64_t AvailableDecodeMemory();

// True when a decode of `size` at `bytesPerPixel` can fit in what is
// available now.
bool DecodeCanFit(DeclaredSize size, std::uint32_t bytesPerPixel);

// Test seam: a fixed figure instead of the system's; 0 asks the system again.
void SetAvailableDecodeMemoryForTesting(std::uint64_t bytes);

}  // namespace tv
