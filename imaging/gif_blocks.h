#pragma once
// Tells an animated GIF from a still one by walking its block structure,
// without decoding any pixels.
#include <cstddef>
#include <cstdint>

namespace tv {

// True when the file (at least 1,024 bytes, "GIF87a" or "GIF89a") holds a
// graphic control extension followed later by an image descriptor. An
// unknown block byte or running out of data ends the walk.
bool IsAnimatedGif(const std::uint8_t* data, std::size_t size);

}  // namespace tv
