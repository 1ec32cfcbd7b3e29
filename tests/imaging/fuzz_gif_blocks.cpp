#include <cstddef>
#include <cstdint>

#include "imaging/gif_blocks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const bool animated = tv::IsAnimatedGif(data, size);
  if (animated && size < 1024) __builtin_trap();
  return 0;
}
