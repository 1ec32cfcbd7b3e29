#include <cstddef>
#include <cstdint>

#include "imaging/gif_animation_info.h"
#include "imaging/gif_blocks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const bool animated = tv::IsAnimatedGif(data, size);
  if (animated && size < 1024) __builtin_trap();
  const tv::GifAnimationInfo info = tv::ReadGifAnimationInfo(data, size);
  // every image needs at least its 10-byte descriptor
  if (info.delaysHundredths.size() > size / 10) __builtin_trap();
  return 0;
}
