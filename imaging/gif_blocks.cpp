#include "imaging/gif_blocks.h"

#include "imaging/byte_view.h"

namespace tv {

namespace {

constexpr std::size_t kMinimumAnimatedSize = 1024;

// Bytes of a colour table announced by a packed byte with bit 7 set.
std::uint64_t ColourTableSize(std::uint8_t packed) { return 3ull << ((packed & 7) + 1); }

// Skips data sub-blocks; leaves p on the terminating zero (or past the end).
std::uint64_t SkipSubBlocks(const ByteView& bytes, std::uint64_t p) {
  while (p < bytes.size() && bytes.data()[p] != 0) p += 1 + static_cast<std::uint64_t>(bytes.data()[p]);
  return p;
}

}  // namespace

bool IsAnimatedGif(const std::uint8_t* data, std::size_t size) {
  const ByteView bytes(data, size);
  if (bytes.size() < kMinimumAnimatedSize) return false;
  if (!bytes.Matches(0, "GIF8") || (data[4] != '9' && data[4] != '7') || data[5] != 'a') return false;
  std::uint64_t p = 13;
  if (data[10] & 0x80) p += ColourTableSize(data[10]);
  // 0: nothing yet, 1: a graphic control extension seen, 2: an image after it
  int state = 0;
  while (p < bytes.size()) {
    const std::uint8_t block = data[p];
    if (block == 0x2C) {  // image descriptor
      p += 9;
      if (p >= bytes.size()) break;
      const std::uint8_t packed = data[p];
      if (packed & 0x80) p += ColourTableSize(packed);
      p += 2;  // LZW minimum code size, then the first sub-block
      if (p >= bytes.size()) break;
      p = SkipSubBlocks(bytes, p);
      if (state == 1) state = 2;
    } else if (block == 0x21) {  // extension
      p += 1;
      if (p >= bytes.size()) break;
      const std::uint8_t label = data[p];
      if (label == 0xF9) {
        p += 1;
        if (p >= bytes.size() || data[p] != 4) break;
        p += 5;
        if (p >= bytes.size() || data[p] != 0) break;
        if (state == 0) state = 1;
      } else if (label == 0xFE || label == 0x01 || label == 0xFF) {
        p += 1;
        if (p >= bytes.size()) break;
        p = SkipSubBlocks(bytes, p);
      }
    } else {
      return false;
    }
    p += 1;
    if (p >= bytes.size() || data[p] == 0x3B) break;
  }
  return state == 2;
}

}  // namespace tv
