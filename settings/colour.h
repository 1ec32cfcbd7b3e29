#pragma once
// Colours live in memory as opaque ARGB (0xAARRGGBB, alpha 255) and on disk,
// like in the system colour dialog, as colour references 0x00BBGGRR.
#include <cstdint>

namespace tv {

using Argb = std::uint32_t;
using ColourRef = std::uint32_t;

constexpr Argb ColourRefToArgb(ColourRef ref) {
  const std::uint32_t red = ref & 0xFF, green = (ref >> 8) & 0xFF, blue = (ref >> 16) & 0xFF;
  return 0xFF000000u | red << 16 | green << 8 | blue;
}

constexpr ColourRef ArgbToColourRef(Argb argb) {
  const std::uint32_t red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
  return blue << 16 | green << 8 | red;
}

}  // namespace tv
