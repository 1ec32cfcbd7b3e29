#include "imaging/webp_decode.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>

#include "imaging/dib.h"
#include "imaging/foreign_call_guard.h"
#include "imaging/pixel_convert.h"

namespace tv {

void WebpAnimDecoderTraits::Close(Handle h) noexcept { WebPAnimDecoderDelete(h); }

namespace {
struct WebpDemuxerTraits {
  using Handle = WebPDemuxer*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { WebPDemuxDelete(h); }
};
using UniqueWebpDemuxer = UniqueResource<WebpDemuxerTraits>;
}  // namespace

void WebpPicture::Reset() noexcept {
  decoder.reset();
  streamCopy.clear();
  streamCopy.shrink_to_fit();
  pixels.clear();
  bitmaps.clear();
  delaysMs.clear();
  width = height = 0;
  animated = preRendered = false;
  frameCount = loopCount = 0;
  lastTimestamp = 0;
}

bool QueryWebpCanvas(const std::uint8_t* data, std::size_t size, int& width, int& height, bool* animated) {
  WebPBitstreamFeatures features{};
  bool ok = false;
  if (!RunGuarded([&] { ok = WebPGetFeatures(data, size, &features) == VP8_STATUS_OK; }) || !ok ||
      features.width <= 0 || features.height <= 0)
    return false;
  width = features.width;
  height = features.height;
  if (animated) *animated = features.has_animation != 0;
  return true;
}

namespace {

bool DecodeStill(const std::uint8_t* data, std::size_t size, std::uint32_t fillArgb, WebpPicture& picture) {
  // A picture without alpha is decoded as 3-byte pixels: a fourth byte that
  // is always 255 would only take memory.
  WebPBitstreamFeatures features{};
  bool known = false;
  if (!RunGuarded([&] { known = WebPGetFeatures(data, size, &features) == VP8_STATUS_OK; }) || !known) return false;
  const int depth = features.has_alpha ? 32 : 24;
  void* bits = nullptr;
  UniqueBitmap bitmap = CreateTopDownDib(picture.width, picture.height, &bits, depth);
  if (!bitmap) return false;
  const std::size_t stride = DibStride(picture.width, depth);
  const std::size_t bytes = stride * static_cast<std::size_t>(picture.height);
  auto* target = static_cast<std::uint8_t*>(bits);
  std::uint8_t* decoded = nullptr;
  if (!RunGuarded([&] {
        decoded = depth == 24 ? WebPDecodeBGRInto(data, size, target, bytes, static_cast<int>(stride))
                              : WebPDecodeBGRAInto(data, size, target, bytes, static_cast<int>(stride));
      }) ||
      !decoded)
    return false;
  if (depth == 32) FlattenOntoFill(bits, bytes / 4, fillArgb);
  picture.bitmaps.push_back(std::move(bitmap));
  picture.pixels.push_back(bits);
  return true;
}

enum class FrameResult { Ok, NoBitmap, NoFrame };

// Decodes the decoder's next frame into `bits` (canvas-sized), flattened onto
// the fill colour.
FrameResult DecodeNextInto(WebPAnimDecoder* decoder, void* bits, std::size_t canvasBytes, std::uint32_t fillArgb,
                           int& timestamp) {
  std::uint8_t* canvas = nullptr;
  bool got = false;
  if (!RunGuarded([&] {
        got = WebPAnimDecoderHasMoreFrames(decoder) && WebPAnimDecoderGetNext(decoder, &canvas, &timestamp);
      }) ||
      !got || !canvas)
    return FrameResult::NoFrame;
  std::memcpy(bits, canvas, canvasBytes);
  FlattenOntoFill(bits, canvasBytes / 4, fillArgb);
  return FrameResult::Ok;
}

// The same into a new bitmap appended to the picture.
FrameResult AppendNextFrame(WebPAnimDecoder* decoder, std::size_t canvasBytes, std::uint32_t fillArgb,
                            WebpPicture& picture, int& timestamp) {
  void* bits = nullptr;
  UniqueBitmap bitmap = CreateTopDownDib(picture.width, picture.height, &bits);
  if (!bitmap) return FrameResult::NoBitmap;
  const FrameResult result = DecodeNextInto(decoder, bits, canvasBytes, fillArgb, timestamp);
  if (result != FrameResult::Ok) return result;
  picture.bitmaps.push_back(std::move(bitmap));
  picture.pixels.push_back(bits);
  return FrameResult::Ok;
}

struct AnimDecoderOpener {
  WebPAnimDecoderOptions options{};
  WebPAnimInfo info{};
  bool ready = false;

  AnimDecoderOpener() {
    ready = WebPAnimDecoderOptionsInit(&options) != 0;
    options.color_mode = MODE_BGRA;
    options.use_threads = 1;
  }
  UniqueWebpAnimDecoder Open(const std::uint8_t* bytes, std::size_t size) {
    if (!ready) return UniqueWebpAnimDecoder();
    WebPAnimDecoder* raw = nullptr;
    const WebPData webpData{bytes, size};
    if (!RunGuarded([&] { raw = WebPAnimDecoderNew(&webpData, &options); })) raw = nullptr;
    UniqueWebpAnimDecoder decoder(raw);
    if (decoder && !RunGuarded([&] {
          if (!WebPAnimDecoderGetInfo(decoder.get(), &info)) info.frame_count = 0;
        }))
      decoder.reset();
    return decoder;
  }
};

// All frames as bitmaps. False with the picture untouched when a bitmap
// cannot be had (the caller streams instead); a frame that does not decode
// ends the animation at the frames before it.
bool PreRenderAll(WebPAnimDecoder* decoder, std::uint32_t frameCount, std::size_t canvasBytes,
                  std::uint32_t fillArgb, WebpPicture& picture, bool& failed) {
  std::vector<int> timestamps;
  for (std::uint32_t i = 0; i < frameCount; ++i) {
    int timestamp = 0;
    const FrameResult result = AppendNextFrame(decoder, canvasBytes, fillArgb, picture, timestamp);
    if (result == FrameResult::NoBitmap) {
      picture.bitmaps.clear();
      picture.pixels.clear();
      return false;
    }
    if (result == FrameResult::NoFrame) break;
    timestamps.push_back(timestamp);
  }
  failed = timestamps.empty();
  if (failed) return true;
  picture.frameCount = static_cast<std::uint32_t>(timestamps.size());
  picture.preRendered = true;
  picture.delaysMs.resize(timestamps.size());
  for (std::size_t k = timestamps.size(); k-- > 1;) picture.delaysMs[k] = FrameDelayMs(timestamps[k] - timestamps[k - 1]);
  picture.delaysMs[0] = FrameDelayMs(timestamps[0]);
  picture.lastTimestamp = timestamps.back();
  return true;
}

bool DecodeAnimation(const std::uint8_t* data, std::size_t size, std::uint32_t fillArgb, WebpPicture& picture,
                     std::uint64_t preRenderLimitBits) {
  AnimDecoderOpener opener;
  // Decide from the header first: a pre-rendered animation needs no copy.
  UniqueWebpAnimDecoder probe = opener.Open(data, size);
  const WebPAnimInfo& info = opener.info;
  if (!probe || info.frame_count == 0) return false;
  if (info.canvas_width != static_cast<std::uint32_t>(picture.width) ||
      info.canvas_height != static_cast<std::uint32_t>(picture.height))
    return false;
  picture.frameCount = info.frame_count;
  picture.loopCount = info.loop_count;
  const std::size_t canvasBytes = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4;

  if (ShouldPreRender(static_cast<std::uint32_t>(picture.width), static_cast<std::uint32_t>(picture.height),
                      info.frame_count, preRenderLimitBits)) {
    bool failed = false;
    if (PreRenderAll(probe.get(), info.frame_count, canvasBytes, fillArgb, picture, failed)) return !failed;
  }

  // Streamed: the decoder reads its own copy of the file for as long as the
  // animation runs, since the file mapping closes right after this load.
  probe.reset();
  // The bytes may be a file's view: a read fault fails this decode only.
  if (!RunGuarded([&] { picture.streamCopy.assign(data, data + size); })) return false;
  picture.decoder = opener.Open(picture.streamCopy.data(), picture.streamCopy.size());
  if (!picture.decoder) return false;
  int timestamp = 0;
  if (AppendNextFrame(picture.decoder.get(), canvasBytes, fillArgb, picture, timestamp) != FrameResult::Ok)
    return false;
  picture.delaysMs.push_back(FrameDelayMs(timestamp));
  picture.lastTimestamp = timestamp;
  return true;
}

}  // namespace

bool DecodeWebp(const std::uint8_t* data, std::size_t size, int canvasWidth, int canvasHeight, std::uint32_t fillArgb,
                WebpPicture& picture, std::uint64_t preRenderLimitBits) {
  if (!data || size == 0 || !FitsBitmapLimit(canvasWidth, canvasHeight)) return false;
  picture.width = canvasWidth;
  picture.height = canvasHeight;
  std::uint32_t flags = 0;
  const bool survived = RunGuarded([&] {
    const WebPData webpData{data, size};
    const UniqueWebpDemuxer demux(WebPDemux(&webpData));
    if (!demux) return;
    flags = WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS);
  });
  if (!survived) return false;
  picture.animated = (flags & ANIMATION_FLAG) != 0;
  const bool ok = picture.animated ? DecodeAnimation(data, size, fillArgb, picture, preRenderLimitBits)
                                   : DecodeStill(data, size, fillArgb, picture);
  if (!ok) {
    picture.Reset();
    return false;
  }
  // One frame that decoded is a still picture, whatever the container says.
  if (picture.animated && picture.frameCount < 2) {
    picture.animated = picture.preRendered = false;
    picture.decoder.reset();
    picture.streamCopy.clear();
    picture.delaysMs.clear();
    picture.frameCount = picture.loopCount = 0;
  }
  return true;
}

StreamedFrame NextWebpFrame(WebpPicture& picture, std::uint32_t fillArgb, bool fromStart) {
  if (!picture.decoder || picture.pixels.empty()) return {};
  if (fromStart && !RunGuarded([&] { WebPAnimDecoderReset(picture.decoder.get()); })) return {};
  const std::size_t canvasBytes = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4;
  int timestamp = 0;
  if (DecodeNextInto(picture.decoder.get(), picture.pixels[0], canvasBytes, fillArgb, timestamp) != FrameResult::Ok)
    return {};
  picture.lastTimestamp = timestamp;
  return {true, timestamp};
}

}  // namespace tv
