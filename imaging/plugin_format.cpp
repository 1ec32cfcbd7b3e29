#include "imaging/plugin_format.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <unordered_set>

#include "imaging/pixel_convert.h"

namespace tv {

namespace {

constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kBitfields = 3;     // BI_BITFIELDS
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint64_t kMaxPixels = 0x7FFFFFFFull / 4;  // what one 32-bit bitmap of the loader may hold

std::uint32_t Read32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// One colour channel of a 16- or 32-bit pixel: the masked bits shifted down
// to at most 8, then scaled to 0..255 through a table, so every pixel costs
// the same few operations whatever the mask.
struct MaskedChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint8_t scaled[256] = {};

  explicit MaskedChannel(std::uint32_t channelMask) : mask(channelMask) {
    if (mask == 0) return;
    const int low = std::countr_zero(mask);
    // Measured to the highest bit, so even a mask with gaps stays in 0..255.
    const int span = static_cast<int>(std::bit_width(mask >> low));
    const int dropped = span > 8 ? span - 8 : 0;
    shift = low + dropped;
    const std::uint32_t maximum = (1u << (span - dropped)) - 1;
    for (std::uint32_t v = 0; v <= maximum; ++v)
      scaled[v] = static_cast<std::uint8_t>(span >= 8 ? v : (v * 255 + maximum / 2) / maximum);
  }
  std::uint32_t operator()(std::uint32_t pixel) const { return scaled[(pixel & mask) >> shift]; }
};

}  // namespace

PluginKind KindOfVersion(const char* version) {
  if (std::memcmp(version, "00IN", 4) == 0) return PluginKind::Image;
  if (std::memcmp(version, "00AM", 4) == 0) return PluginKind::Archive;
  return PluginKind::Other;
}

std::vector<SusieFileInfo> ReadFileInfoRecords(const void* block, std::size_t blockSize) {
  std::vector<SusieFileInfo> records;
  const auto* bytes = static_cast<const std::uint8_t*>(block);
  const std::size_t limit = block ? blockSize / sizeof(SusieFileInfo) : 0;
  for (std::size_t i = 0; i < limit; ++i) {
    const std::uint8_t* at = bytes + i * sizeof(SusieFileInfo);
    if (at[0] == 0) break;
    SusieFileInfo record;
    std::memcpy(&record, at, sizeof record);
    records.push_back(record);
  }
  return records;
}

std::string FieldText(const char* field, std::size_t bound) {
  const void* end = std::memchr(field, 0, bound);
  return std::string(field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : bound);
}

std::string MemberName(const SusieFileInfo& record) {
  return FieldText(record.path, sizeof record.path) + FieldText(record.fileName, sizeof record.fileName);
}

std::wstring_view ExtensionTail(std::wstring_view path) {
  const std::size_t dot = path.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring_view{} : path.substr(dot);
}

std::vector<std::wstring> FirstOfEachName(const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> kept;
  std::unordered_set<std::wstring> seen;
  for (const std::wstring& path : paths) {
    const std::size_t slash = path.rfind(L'\\');
    if (seen.insert(slash == std::wstring::npos ? path : path.substr(slash + 1)).second) kept.push_back(path);
  }
  return kept;
}

bool ReadPluginBitmapLayout(const std::uint8_t* header, std::size_t headerSize, std::size_t bitsSize,
                            PluginBitmapLayout& layout) {
  if (!header || headerSize < kInfoHeaderSize) return false;
  const std::uint32_t declaredSize = Read32(header);
  if (declaredSize < kInfoHeaderSize || declaredSize > headerSize) return false;
  const std::int64_t width = static_cast<std::int32_t>(Read32(header + 4));
  const std::int64_t height = static_cast<std::int32_t>(Read32(header + 8));
  const int bitCount = Read16(header + 14);
  const std::uint32_t compression = Read32(header + 16);
  const std::uint32_t coloursUsed = Read32(header + 32);
  if (width <= 0 || height == 0) return false;
  const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
  if (static_cast<std::uint64_t>(width) * rows > kMaxPixels) return false;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    return false;
  const bool bitfields = compression == kBitfields;
  if (compression != kUncompressed && !(bitfields && (bitCount == 16 || bitCount == 32))) return false;

  PluginBitmapLayout out;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(rows);
  out.topDown = height < 0;
  out.bitCount = bitCount;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
  if (stride * rows > bitsSize) return false;
  out.stride = static_cast<std::size_t>(stride);

  // The masks follow a plain 40-byte header, and lie inside larger ones.
  out.colourTableOffset = declaredSize + (bitfields && declaredSize == kInfoHeaderSize ? 12 : 0);
  if (bitfields) {
    if (headerSize < kInfoHeaderSize + 12) return false;
    for (int i = 0; i < 3; ++i) out.masks[i] = Read32(header + kInfoHeaderSize + 4 * i);
  } else if (bitCount == 16) {
    out.masks[0] = 0x7C00, out.masks[1] = 0x03E0, out.masks[2] = 0x001F;
  } else if (bitCount == 32) {
    out.masks[0] = 0xFF0000, out.masks[1] = 0xFF00, out.masks[2] = 0xFF;
  }
  if (bitCount <= 8) {
    const std::size_t full = std::size_t{1} << bitCount;
    out.colourCount = coloursUsed == 0 || coloursUsed > full ? full : coloursUsed;
    if (out.colourTableOffset > headerSize || (headerSize - out.colourTableOffset) / 4 < out.colourCount) return false;
  }
  layout = out;
  return true;
}

void ConvertPluginBitmap(const PluginBitmapLayout& layout, const std::uint8_t* header, const std::uint8_t* bits,
                         std::uint32_t* target) {
  // Indices past the table's end show black, as GDI shows them.
  std::uint32_t palette[256];
  std::fill(std::begin(palette), std::end(palette), 0xFF000000u);
  const std::uint8_t* table = header + layout.colourTableOffset;
  for (std::size_t i = 0; layout.bitCount <= 8 && i < layout.colourCount; ++i)
    palette[i] = 0xFF000000u | (Read32(table + i * 4) & 0xFFFFFFu);
  const MaskedChannel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]);
  const auto fromMasks = [&](std::uint32_t pixel) {
    return 0xFF000000u | red(pixel) << 16 | green(pixel) << 8 | blue(pixel);
  };
  const bool plainBgrx = layout.bitCount == 32 && layout.masks[0] == 0xFF0000 && layout.masks[1] == 0xFF00 &&
                         layout.masks[2] == 0xFF;
  const auto width = static_cast<std::size_t>(layout.width);
  // Each source row goes straight into its place in the target, one loop
  // per depth: large pictures spend their time here.
  for (int y = 0; y < layout.height; ++y) {
    const int sourceRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* row = bits + static_cast<std::size_t>(sourceRow) * layout.stride;
    std::uint32_t* out = target + static_cast<std::size_t>(y) * width;
    switch (layout.bitCount) {
      case 1:
        for (std::size_t x = 0; x < width; ++x) out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1];
        break;
      case 4:
        for (std::size_t x = 0; x < width; ++x) out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
        break;
      case 8:
        for (std::size_t x = 0; x < width; ++x) out[x] = palette[row[x]];
        break;
      case 16:
        for (std::size_t x = 0; x < width; ++x) out[x] = fromMasks(Read16(row + x * 2));
        break;
      case 24:
        ExpandBgrOpaque(row, out, width);
        break;
      default:
        if (plainBgrx) {
          CopyOpaque(row, out, width);
        } else {
          for (std::size_t x = 0; x < width; ++x) out[x] = fromMasks(Read32(row + x * 4));
        }
        break;
    }
  }
}

}  // namespace tv
