#include "imaging/exif.h"

#include <optional>

#include "imaging/byte_view.h"

namespace tv {

namespace {

constexpr std::uint16_t kTagMake = 271;
constexpr std::uint16_t kTagModel = 272;
constexpr std::uint16_t kTagDateTime = 306;
constexpr std::uint16_t kTagOrientation = 274;
constexpr std::uint16_t kTagExifIfd = 34665;
constexpr std::uint16_t kTagDateTimeOriginal = 36867;
constexpr std::uint16_t kTypeAscii = 2;
constexpr std::uint16_t kTypeLong = 4;
constexpr std::uint64_t kEntrySize = 12;
constexpr std::size_t kMaxTextBytes = 256;
// A JFIF segment that pushes the next marker this far is not followed by Exif.
constexpr std::uint64_t kJfifSearchLimit = 2039;

// Where the TIFF header starts: 0 for a TIFF file, behind "Exif\0\0" for a
// JPEG; nothing for a JPEG without an Exif segment in the expected place.
std::optional<std::uint64_t> FindTiffBase(const ByteView& bytes) {
  if (!bytes.Matches(0, "\xFF\xD8")) return 0;
  std::uint64_t pos = 2;
  for (;;) {
    if (bytes.U8(pos) != 0xFF) return std::nullopt;
    const auto marker = bytes.U8(pos + 1);
    if (marker == 0xE1) {
      if (!bytes.Matches(pos + 4, std::string_view("Exif\0", 5))) return std::nullopt;
      return pos + 10;
    }
    if (marker != 0xE0 || !bytes.Matches(pos + 4, std::string_view("JFIF\0", 5))) return std::nullopt;
    const auto length = bytes.U16(pos + 2, true);
    if (!length) return std::nullopt;
    pos += 2 + static_cast<std::uint64_t>(*length);
    if (pos >= kJfifSearchLimit) return std::nullopt;
  }
}

class ExifReader {
 public:
  ExifReader(const ByteView& bytes, std::uint64_t base, bool bigEndian)
      : bytes_(bytes), base_(base), bigEndian_(bigEndian) {}

  bool failed() const { return failed_; }
  std::uint16_t U16(std::uint64_t pos) { return Check(bytes_.U16(pos, bigEndian_)); }
  std::uint32_t U32(std::uint64_t pos) { return Check(bytes_.U32(pos, bigEndian_)); }

  // The ASCII value of the entry at `entry`: from the entry itself when it
  // fits in four bytes, else from base + offset.
  std::wstring Text(std::uint64_t entry) {
    const std::uint32_t count = U32(entry + 4);
    if (failed_) return {};
    const std::uint64_t start = count > 4 ? base_ + U32(entry + 8) : entry + 8;
    if (failed_) return {};
    std::wstring text;
    for (std::uint64_t i = 0; i < count && i < kMaxTextBytes; ++i) {
      const auto byte = bytes_.U8(start + i);
      if (!byte || *byte == 0) break;
      text.push_back(static_cast<wchar_t>(*byte));
    }
    return text;
  }

 private:
  template <typename T>
  T Check(std::optional<T> value) {
    if (!value) failed_ = true;
    return value.value_or(0);
  }

  const ByteView& bytes_;
  std::uint64_t base_;
  bool bigEndian_;
  bool failed_ = false;
};

}  // namespace

int RotationFromExifOrientation(unsigned orientation) {
  switch (orientation) {
    case 3: return 2;
    case 6: return 1;
    case 8: return 3;
    default: return 0;
  }
}

bool ParseExifTexts(const std::uint8_t* data, std::size_t size, ExifTexts& texts) {
  texts = ExifTexts{};
  const ByteView bytes(data, size);
  const auto base = FindTiffBase(bytes);
  if (!base) return true;
  bool bigEndian = false;
  if (bytes.Matches(*base, "MM")) bigEndian = true;
  else if (!bytes.Matches(*base, "II")) return true;

  ExifReader reader(bytes, *base, bigEndian);
  auto fail = [&texts] {
    texts.failed = true;
    return false;
  };
  if (reader.U16(*base + 2) != 42) return reader.failed() ? fail() : true;
  const std::uint64_t ifd0 = *base + reader.U32(*base + 4);
  const std::uint16_t count = reader.U16(ifd0);
  if (reader.failed()) return fail();
  if (count == 0) return true;
  const std::uint32_t nextIfd = reader.U32(ifd0 + 2 + count * kEntrySize);
  if (reader.failed()) return fail();
  if (nextIfd > size) return true;

  std::optional<std::uint32_t> exifIfd;
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::uint64_t entry = ifd0 + 2 + i * kEntrySize;
    const std::uint16_t tag = reader.U16(entry);
    const std::uint16_t type = reader.U16(entry + 2);
    if (reader.failed()) return fail();
    if (type == kTypeAscii && (tag == kTagMake || tag == kTagModel || tag == kTagDateTime)) {
      std::wstring text = reader.Text(entry);
      if (reader.failed()) return fail();
      (tag == kTagMake ? texts.maker : tag == kTagModel ? texts.model : texts.rendered) = std::move(text);
    } else if (tag == kTagExifIfd && type == kTypeLong) {
      exifIfd = reader.U32(entry + 8);
      if (reader.failed()) return fail();
    }
    texts.hasExif = true;
  }
  if (exifIfd) {
    const std::uint64_t ifd = *base + *exifIfd;
    const std::uint16_t exifCount = reader.U16(ifd);
    if (reader.failed()) return fail();
    for (std::uint16_t i = 0; i < exifCount; ++i) {
      const std::uint64_t entry = ifd + 2 + i * kEntrySize;
      const std::uint16_t tag = reader.U16(entry);
      const std::uint16_t type = reader.U16(entry + 2);
      if (reader.failed()) return fail();
      if (tag == kTagDateTimeOriginal && type == kTypeAscii) {
        texts.shooted = reader.Text(entry);
        if (reader.failed()) return fail();
      }
    }
  }
  return true;
}

int ExifOrientationFromJpeg(const std::uint8_t* data, std::size_t size) {
  const ByteView bytes(data, size);
  if (bytes.size() < 256 || !bytes.Matches(0, "\xFF\xD8\xFF\xE1")) return 0;
  if (!bytes.Matches(6, "Exif") || !bytes.Matches(10, std::string_view("\0\0", 2))) return 0;
  const std::uint64_t segmentEnd = 4 + static_cast<std::uint64_t>(*bytes.U16(4, true));
  if (bytes.U8(segmentEnd) != 0xFF) return 0;
  std::uint64_t header = 12;
  bool bigEndian = false;
  for (;; ++header) {
    if (!bytes.Has(header, 2)) return 0;
    if (bytes.Matches(header, "II")) break;
    if (bytes.Matches(header, "MM")) {
      bigEndian = true;
      break;
    }
  }
  const auto ifdOffset = bytes.U32(header + 4, bigEndian);
  if (!ifdOffset) return 0;
  const std::uint64_t ifd = header + *ifdOffset;
  const auto count = bytes.U16(ifd, bigEndian);
  if (!count) return 0;
  for (std::uint16_t i = 0; i < *count; ++i) {
    const std::uint64_t entry = ifd + 2 + i * kEntrySize;
    const auto tag = bytes.U16(entry, bigEndian);
    if (!tag) return 0;
    if (*tag != kTagOrientation) continue;
    const auto value = bytes.U16(entry + 8, bigEndian);
    return value ? RotationFromExifOrientation(*value) : 0;
  }
  return 0;
}

}  // namespace tv
