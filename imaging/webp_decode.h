#pragma once
// Decodes WebP pictures with libwebp into top-down bitmaps, transparency
// flattened onto the fill colour. Stills decode straight into the source
// bitmap, a 24-bit one when the picture has no alpha; animations (their
// frames always 32-bit) get their frame count, loop count and delays
// and either all frames pre-rendered (small ones) or a decoder kept open to
// stream frames forward. Every libwebp call runs under the foreign-call guard.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/animation_clock.h"
#include "util/win_handles.h"

struct WebPAnimDecoder;

namespace tv {

struct WebpAnimDecoderTraits {
  using Handle = WebPAnimDecoder*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept;
};
using UniqueWebpAnimDecoder = UniqueResource<WebpAnimDecoderTraits>;

// Canvas size (and whether it is an animation) from the header query; false
// when the bytes are not WebP.
bool QueryWebpCanvas(const std::uint8_t* data, std::size_t size, int& width, int& height, bool* animated = nullptr);

struct WebpPicture {
  int width = 0, height = 0;
  bool animated = false;
  // Still: the one bitmap. Animation: one bitmap per frame when pre-rendered,
  // otherwise the single canvas bitmap the stream decoder draws into.
  std::vector<UniqueBitmap> bitmaps;
  std::vector<void*> pixels;
  // Animation only.
  std::uint32_t frameCount = 0;
  std::uint32_t loopCount = 0;          // 0 = endless
  std::vector<std::uint32_t> delaysMs;  // per frame when pre-rendered; frame 0's otherwise
  bool preRendered = false;
  std::vector<std::uint8_t> streamCopy;  // the bytes the open decoder reads
  UniqueWebpAnimDecoder decoder;         // declared after streamCopy: deleted first
  int lastTimestamp = 0;

  void Reset() noexcept;
};

// `canvasWidth` x `canvasHeight` come from QueryWebpCanvas. `picture` must be
// empty. False when nothing could be decoded into a bitmap. Animations are
// pre-rendered when ShouldPreRender allows it and every frame bitmap can be
// had; otherwise one canvas bitmap is kept and frames are streamed into it.
// A frame that fails to decode ends the animation before it: the frames
// decoded so far are the animation (one frame plays as a still picture).
// Streamed animations: decodes the next frame (frame 0 when fromStart) into
// the canvas bitmap, flattened onto the fill colour.
StreamedFrame NextWebpFrame(WebpPicture& picture, std::uint32_t fillArgb, bool fromStart);

bool DecodeWebp(const std::uint8_t* data, std::size_t size, int canvasWidth, int canvasHeight, std::uint32_t fillArgb,
                WebpPicture& picture, std::uint64_t preRenderLimitBits = kPreRenderLimitBits);

}  // namespace tv
