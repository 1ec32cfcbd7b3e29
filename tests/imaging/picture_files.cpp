#include "tests/imaging/picture_files.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <webp/encode.h>

#include <algorithm>
#include <cstring>

#include "imaging/gdiplus_owners.h"
#include "tools/sample_files.h"

namespace tvtest {

using namespace Gdiplus::DllExports;

namespace {

bool FindEncoder(const wchar_t* mime, CLSID& clsid) {
  UINT count = 0, bytes = 0;
  if (GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
  std::vector<std::uint64_t> buffer((bytes + 7) / 8);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (std::wcscmp(codecs[i].MimeType, mime) == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  return false;
}

std::vector<std::uint8_t> Bgra(int width, int height, const PixelFunction& pixel) {
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixel(x, y);
      std::memcpy(&out[(static_cast<std::size_t>(y) * width + x) * 4], &c, 4);  // little-endian ARGB = BGRA bytes
    }
  return out;
}

void PutU24(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 24; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void AppendChunk(std::string& out, const char* tag, const std::string& payload) {
  out.append(tag, 4);
  PutU32(out, static_cast<std::uint32_t>(payload.size()));
  out += payload;
  if (payload.size() % 2) out.push_back('\0');
}

}  // namespace

std::uint32_t Quadrants(int x, int y, int width, int height) {
  const bool right = x >= width / 2, bottom = y >= height / 2;
  if (!bottom) return right ? 0xFF00FF00u : 0xFFFF0000u;
  return right ? 0xFFFFFFFFu : 0xFF0000FFu;
}

std::string EncodeWithGdiplus(int width, int height, const PixelFunction& pixel, const wchar_t* mime) {
  CLSID encoder{};
  if (!FindEncoder(mime, encoder)) return {};
  std::vector<std::uint8_t> pixels = Bgra(width, height, pixel);
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB, pixels.data(), &bitmap) != Gdiplus::Ok)
    return {};
  tv::UniqueGpImage owner(bitmap);
  tv::ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  if (GdipSaveImageToStream(bitmap, stream.get(), &encoder, nullptr) != Gdiplus::Ok) return {};
  HGLOBAL memory = nullptr;
  if (FAILED(::GetHGlobalFromStream(stream.get(), &memory))) return {};
  STATSTG stat{};
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
  tv::GlobalLock lock(memory);
  if (!lock.get()) return {};
  return std::string(static_cast<const char*>(lock.get()), static_cast<std::size_t>(stat.cbSize.QuadPart));
}

std::string EncodeWebpLossy(int width, int height, const PixelFunction& pixel, float quality) {
  std::uint8_t* output = nullptr;
  const std::size_t size = WebPEncodeBGRA(Bgra(width, height, pixel).data(), width, height, width * 4, quality, &output);
  std::string bytes(reinterpret_cast<const char*>(output), size);
  WebPFree(output);
  return bytes;
}

std::string EncodeWebpLossless(int width, int height, const PixelFunction& pixel) {
  std::uint8_t* output = nullptr;
  const std::size_t size = WebPEncodeLosslessBGRA(Bgra(width, height, pixel).data(), width, height, width * 4, &output);
  std::string bytes(reinterpret_cast<const char*>(output), size);
  WebPFree(output);
  return bytes;
}

std::string MakeAnimatedWebp(int width, int height, const std::vector<WebpFrame>& frames, std::uint16_t loops) {
  std::string body = "WEBP";
  std::string vp8x;
  vp8x.push_back(0x02 | 0x10);  // animation, alpha
  vp8x.append(3, '\0');
  PutU24(vp8x, static_cast<std::uint32_t>(width - 1));
  PutU24(vp8x, static_cast<std::uint32_t>(height - 1));
  AppendChunk(body, "VP8X", vp8x);
  std::string anim;
  PutU32(anim, 0xFFFFFFFFu);  // background colour
  PutU16(anim, loops);
  AppendChunk(body, "ANIM", anim);
  for (const WebpFrame& frame : frames) {
    const std::string still = EncodeWebpLossless(width, height, frame.pixel);
    if (still.size() < 20 || still.compare(12, 4, "VP8L") != 0) return {};
    std::string anmf;
    PutU24(anmf, 0);  // x / 2
    PutU24(anmf, 0);  // y / 2
    PutU24(anmf, static_cast<std::uint32_t>(width - 1));
    PutU24(anmf, static_cast<std::uint32_t>(height - 1));
    PutU24(anmf, static_cast<std::uint32_t>(frame.durationMs));
    anmf.push_back(0x02);  // no blending, no disposal
    anmf += still.substr(12);  // the VP8L chunk as the encoder wrote it
    AppendChunk(body, "ANMF", anmf);
  }
  std::string file = "RIFF";
  PutU32(file, static_cast<std::uint32_t>(body.size()));
  return file + body;
}

std::string SolidFramesGif(int frames, int side, const std::vector<std::uint16_t>& delays, std::uint16_t loops) {
  std::vector<GifFrame> list(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    list[i].indices.assign(static_cast<std::size_t>(side * side), static_cast<std::uint8_t>(i % 4));
    if (!delays.empty()) list[i].delayHundredths = delays[std::min<std::size_t>(i, delays.size() - 1)];
  }
  return MakeGif(side, side, {kFrameColours, kFrameColours + 4}, list, true, loops);
}

std::string SolidFramesWebp(int frames, int side, int durationMs, std::uint16_t loops) {
  std::vector<WebpFrame> list;
  for (int i = 0; i < frames; ++i) {
    const std::uint32_t argb = 0xFF000000u | kFrameColours[i % 4];
    list.push_back({[argb](int, int) { return argb; }, durationMs});
  }
  return MakeAnimatedWebp(side, side, list, loops);
}

}  // namespace tvtest
