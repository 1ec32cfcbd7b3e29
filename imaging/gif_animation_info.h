#pragma once
// Reads the timing of an animated GIF from its blocks: the loop count of the
// NETSCAPE2.0 (or ANIMEXTS1.0) application extension and the delay of each
// image's graphic control extension. Every read is bounds-checked; a damaged
// or truncated file gives what was read before the damage.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tv {

struct GifAnimationInfo {
  bool hasLoopCount = false;
  std::uint16_t loopCount = 0;  // 0: endless
  // One entry per image in file order, in hundredths of a second; 0 where no
  // graphic control extension precedes the image.
  std::vector<std::uint16_t> delaysHundredths;
};

GifAnimationInfo ReadGifAnimationInfo(const std::uint8_t* data, std::size_t size);

// A file without a loop block plays once.
inline std::uint32_t GifLoopsToPlay(const GifAnimationInfo& info) { return info.hasLoopCount ? info.loopCount : 1; }

}  // namespace tv
