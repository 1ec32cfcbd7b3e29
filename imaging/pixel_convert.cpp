#include "imaging/pixel_convert.h"

#include <cstring>

namespace tv {

namespace {

// Rounded a/255 blend; the division by a constant compiles to a multiply.
inline std::uint32_t Blend(std::uint32_t pixel, std::uint32_t fillB, std::uint32_t fillG, std::uint32_t fillR) {
  const std::uint32_t a = pixel >> 24, back = 255 - a;
  const std::uint32_t b = ((pixel & 0xFF) * a + fillB * back + 127) / 255;
  const std::uint32_t g = (((pixel >> 8) & 0xFF) * a + fillG * back + 127) / 255;
  const std::uint32_t r = (((pixel >> 16) & 0xFF) * a + fillR * back + 127) / 255;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Pixels are read and written through memcpy: rows need not be 4-aligned.
inline std::uint32_t Load(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

inline void Store(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

// Pixels are little-endian words: alpha in the top byte.
constexpr std::size_t kRun = 16;

// True when all `count` pixels from `p` are opaque; branch-free so it vectorises.
inline bool AllOpaque(const std::uint8_t* p, std::size_t count) {
  std::uint32_t all = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < count; ++i) all &= Load(p + i * 4);
  return (all >> 24) == 0xFF;
}

template <bool kInPlace>
void Flatten(const std::uint8_t* in, std::uint8_t* out, std::size_t pixelCount, std::uint32_t fillArgb) {
  const std::uint32_t fillB = fillArgb & 0xFF, fillG = (fillArgb >> 8) & 0xFF, fillR = (fillArgb >> 16) & 0xFF;
  std::size_t i = 0;
  // Opaque runs, the common case, are copied (or left) whole.
  for (; i + kRun <= pixelCount; i += kRun) {
    if (AllOpaque(in + i * 4, kRun)) {
      if (!kInPlace) std::memcpy(out + i * 4, in + i * 4, kRun * 4);
      continue;
    }
    for (std::size_t j = i; j < i + kRun; ++j) Store(out + j * 4, Blend(Load(in + j * 4), fillB, fillG, fillR));
  }
  for (; i < pixelCount; ++i) Store(out + i * 4, Blend(Load(in + i * 4), fillB, fillG, fillR));
}

}  // namespace

void FlattenOntoFill(void* pixels, std::size_t pixelCount, std::uint32_t fillArgb) {
  auto* p = static_cast<std::uint8_t*>(pixels);
  Flatten<true>(p, p, pixelCount, fillArgb);
}

void CopyFlattened(const void* source, void* target, std::size_t pixelCount, std::uint32_t fillArgb) {
  Flatten<false>(static_cast<const std::uint8_t*>(source), static_cast<std::uint8_t*>(target), pixelCount, fillArgb);
}

void CopyOpaque(const void* source, void* target, std::size_t pixelCount) {
  const auto* in = static_cast<const std::uint8_t*>(source);
  auto* out = static_cast<std::uint8_t*>(target);
  for (std::size_t i = 0; i < pixelCount; ++i) Store(out + i * 4, Load(in + i * 4) | 0xFF000000u);
}

void ExpandBgrOpaque(const void* source, void* target, std::size_t pixelCount) {
  const auto* in = static_cast<const std::uint8_t*>(source);
  auto* out = static_cast<std::uint8_t*>(target);
  std::size_t i = 0;
  // Four pixels are three whole words: shifting them apart costs far less
  // than twelve byte loads.
  for (; i + 4 <= pixelCount; i += 4, in += 12) {
    const std::uint32_t w0 = Load(in), w1 = Load(in + 4), w2 = Load(in + 8);
    Store(out + i * 4, w0 | 0xFF000000u);
    Store(out + i * 4 + 4, w0 >> 24 | w1 << 8 | 0xFF000000u);
    Store(out + i * 4 + 8, w1 >> 16 | w2 << 16 | 0xFF000000u);
    Store(out + i * 4 + 12, w2 >> 8 | 0xFF000000u);
  }
  for (; i < pixelCount; ++i, in += 3) {
    const std::uint32_t v = static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
                            (static_cast<std::uint32_t>(in[2]) << 16) | 0xFF000000u;
    Store(out + i * 4, v);
  }
}

}  // namespace tv
