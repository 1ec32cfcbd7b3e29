#include "imaging/gif_animation_info.h"

#include "imaging/byte_view.h"

namespace tv {

namespace {

std::uint64_t ColourTableBytes(std::uint8_t packed) { return (packed & 0x80) ? 3ull << ((packed & 7) + 1) : 0; }

// Position after the data sub-blocks that start at p, or 0 when they run
// past the end.
std::uint64_t SkipSubBlocks(const ByteView& bytes, std::uint64_t p) {
  for (;;) {
    const auto length = bytes.U8(p);
    if (!length) return 0;
    if (*length == 0) return p + 1;
    p += 1 + static_cast<std::uint64_t>(*length);
  }
}

}  // namespace

GifAnimationInfo ReadGifAnimationInfo(const std::uint8_t* data, std::size_t size) {
  GifAnimationInfo info;
  const ByteView bytes(data, size);
  if (!bytes.Matches(0, "GIF87a") && !bytes.Matches(0, "GIF89a")) return info;
  const auto screenPacked = bytes.U8(10);
  if (!screenPacked) return info;
  std::uint64_t p = 13 + ColourTableBytes(*screenPacked);
  std::uint16_t pendingDelay = 0;
  while (true) {
    const auto block = bytes.U8(p);
    if (!block || *block == 0x3B) break;
    if (*block == 0x2C) {
      const auto packed = bytes.U8(p + 9);
      if (!packed) break;
      info.delaysHundredths.push_back(pendingDelay);
      pendingDelay = 0;
      p += 10 + ColourTableBytes(*packed) + 1;  // descriptor, local table, LZW code size
      p = SkipSubBlocks(bytes, p);
      if (p == 0) break;
      continue;
    }
    if (*block != 0x21) break;
    const auto label = bytes.U8(p + 1);
    if (!label) break;
    if (*label == 0xF9) {
      const auto length = bytes.U8(p + 2);
      const auto delay = bytes.U16(p + 4, false);
      if (length && *length >= 4 && delay) pendingDelay = *delay;
    } else if (*label == 0xFF && (bytes.Matches(p + 2, "\x0BNETSCAPE2.0") || bytes.Matches(p + 2, "\x0B" "ANIMEXTS1.0"))) {
      const std::uint64_t sub = p + 14;
      const auto subLength = bytes.U8(sub);
      const auto id = bytes.U8(sub + 1);
      const auto loops = bytes.U16(sub + 2, false);
      if (subLength && *subLength >= 3 && id && *id == 1 && loops) {
        info.hasLoopCount = true;
        info.loopCount = *loops;
      }
    }
    p = SkipSubBlocks(bytes, p + 2);
    if (p == 0) break;
  }
  return info;
}

}  // namespace tv
