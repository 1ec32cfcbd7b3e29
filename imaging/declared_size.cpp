#include "imaging/declared_size.h"

#include <algorithm>
#include <string_view>

#include "imaging/byte_view.h"

namespace tv {

namespace {

std::optional<DeclaredSize> Sized(std::uint64_t width, std::uint64_t height) {
  if (width == 0 || height == 0 || width > 0xFFFFFFFFu || height > 0xFFFFFFFFu) return std::nullopt;
  return DeclaredSize{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
}

bool IsStartOfFrame(std::uint8_t marker) {
  // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool HasNoLength(std::uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

std::optional<DeclaredSize> JpegSize(const ByteView& bytes) {
  std::uint64_t pos = 2;  // behind SOI
  for (;;) {
    if (bytes.U8(pos) != 0xFF) return std::nullopt;
    while (bytes.U8(pos) == 0xFF) ++pos;  // fill bytes before the marker
    const std::optional<std::uint8_t> marker = bytes.U8(pos);
    if (!marker || *marker == 0xD8 || *marker == 0xD9 || *marker == 0xDA) return std::nullopt;
    ++pos;
    if (HasNoLength(*marker)) continue;
    const std::optional<std::uint16_t> length = bytes.U16(pos, true);
    if (!length || *length < 2) return std::nullopt;
    if (IsStartOfFrame(*marker)) {
      // length, precision, height, width
      const auto height = bytes.U16(pos + 3, true), width = bytes.U16(pos + 5, true);
      if (!height || !width) return std::nullopt;
      return Sized(*width, *height);  // a height of 0 (set later by DNL) is not read
    }
    pos += *length;
  }
}

std::optional<DeclaredSize> PngSize(const ByteView& bytes) {
  if (!bytes.Matches(0, "\x89PNG\r\n\x1A\n") || !bytes.Matches(12, "IHDR")) return std::nullopt;
  const auto width = bytes.U32(16, true), height = bytes.U32(20, true);
  if (!width || !height || *width > 0x7FFFFFFF || *height > 0x7FFFFFFF) return std::nullopt;
  return Sized(*width, *height);
}

// Skips data sub-blocks from `pos`; the position behind the terminator.
std::optional<std::uint64_t> SkipSubBlocks(const ByteView& bytes, std::uint64_t pos) {
  for (;;) {
    const std::optional<std::uint8_t> length = bytes.U8(pos);
    if (!length) return std::nullopt;
    pos += 1 + *length;
    if (*length == 0) return pos;
  }
}

std::uint64_t ColourTableBytes(std::uint8_t packed) {
  return (packed & 0x80) ? 3ull << ((packed & 7) + 1) : 0;
}

// The logical screen is what decoders allocate, but a frame may reach past
// it; the furthest extent counts. A walk cut short keeps what it saw.
std::optional<DeclaredSize> GifSize(const ByteView& bytes) {
  if (!bytes.Matches(0, "GIF87a") && !bytes.Matches(0, "GIF89a")) return std::nullopt;
  const auto screenWidth = bytes.U16(6, false), screenHeight = bytes.U16(8, false);
  const auto screenPacked = bytes.U8(10);
  if (!screenWidth || !screenHeight || !screenPacked) return std::nullopt;
  std::uint64_t width = *screenWidth, height = *screenHeight;
  std::uint64_t pos = 13 + ColourTableBytes(*screenPacked);
  for (;;) {
    const std::optional<std::uint8_t> block = bytes.U8(pos);
    if (block == 0x2C) {
      const auto left = bytes.U16(pos + 1, false), top = bytes.U16(pos + 3, false);
      const auto frameWidth = bytes.U16(pos + 5, false), frameHeight = bytes.U16(pos + 7, false);
      const auto packed = bytes.U8(pos + 9);
      if (!packed) break;
      width = std::max<std::uint64_t>(width, *left + *frameWidth);
      height = std::max<std::uint64_t>(height, *top + *frameHeight);
      const auto next = SkipSubBlocks(bytes, pos + 10 + ColourTableBytes(*packed) + 1);  // + LZW code size
      if (!next) break;
      pos = *next;
    } else if (block == 0x21) {
      const auto next = SkipSubBlocks(bytes, pos + 2);  // behind the label
      if (!next) break;
      pos = *next;
    } else {
      break;  // trailer, end of data or an unknown block
    }
  }
  return Sized(width, height);
}

std::optional<DeclaredSize> BmpSize(const ByteView& bytes) {
  if (!bytes.Matches(0, "BM")) return std::nullopt;
  const std::optional<std::uint32_t> headerSize = bytes.U32(14, false);
  if (!headerSize) return std::nullopt;
  if (*headerSize == 12) {  // core header: unsigned 16-bit sides
    const auto width = bytes.U16(18, false), height = bytes.U16(20, false);
    if (!width || !height) return std::nullopt;
    return Sized(*width, *height);
  }
  if (*headerSize < 16) return std::nullopt;
  const auto width = bytes.U32(18, false), height = bytes.U32(22, false);
  if (!width || !height) return std::nullopt;
  const std::int64_t w = static_cast<std::int32_t>(*width), h = static_cast<std::int32_t>(*height);
  if (w <= 0) return std::nullopt;
  return Sized(static_cast<std::uint64_t>(w), static_cast<std::uint64_t>(h < 0 ? -h : h));  // negative: top-down rows
}

std::optional<DeclaredSize> TiffSize(const ByteView& bytes) {
  bool bigEndian = false;
  if (bytes.Matches(0, std::string_view("MM\0\x2A", 4)))
    bigEndian = true;
  else if (!bytes.Matches(0, std::string_view("II\x2A\0", 4)))
    return std::nullopt;
  const std::optional<std::uint32_t> ifd = bytes.U32(4, bigEndian);
  if (!ifd) return std::nullopt;
  const std::optional<std::uint16_t> count = bytes.U16(*ifd, bigEndian);
  if (!count) return std::nullopt;
  std::uint64_t width = 0, height = 0;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::uint64_t entry = *ifd + 2 + 12ull * i;
    const auto tag = bytes.U16(entry, bigEndian), type = bytes.U16(entry + 2, bigEndian);
    if (!tag || !type || !bytes.Has(entry, 12)) return std::nullopt;
    if (*tag != 256 && *tag != 257) continue;
    std::uint64_t value = 0;
    if (*type == 3)
      value = *bytes.U16(entry + 8, bigEndian);  // SHORT: first half of the value field
    else if (*type == 4)
      value = *bytes.U32(entry + 8, bigEndian);
    else
      return std::nullopt;
    (*tag == 256 ? width : height) = value;
  }
  return Sized(width, height);
}

}  // namespace

std::optional<DeclaredSize> ReadDeclaredSize(const std::uint8_t* data, std::size_t size) {
  const ByteView bytes(data, size);
  if (bytes.Matches(0, "\xFF\xD8")) return JpegSize(bytes);
  if (bytes.Matches(1, "PNG")) return PngSize(bytes);
  if (bytes.Matches(0, "GIF")) return GifSize(bytes);
  if (bytes.Matches(0, "BM")) return BmpSize(bytes);
  return TiffSize(bytes);
}

bool DecodeFitsIn(DeclaredSize size, std::uint32_t bytesPerPixel, std::uint64_t availableBytes) {
  const std::uint64_t pixels = static_cast<std::uint64_t>(size.width) * size.height;  // below 2^64
  return bytesPerPixel == 0 || pixels <= availableBytes / bytesPerPixel;
}

}  // namespace tv
