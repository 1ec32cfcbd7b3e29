#include "tools/sample_files.h"

#include <cstdio>

#include <algorithm>

namespace tvtest {

void PutU16(std::string& out, std::uint16_t v, bool bigEndian) {
  if (bigEndian) {
    out.push_back(static_cast<char>(v >> 8));
    out.push_back(static_cast<char>(v));
  } else {
    out.push_back(static_cast<char>(v));
    out.push_back(static_cast<char>(v >> 8));
  }
}

void PutU32(std::string& out, std::uint32_t v, bool bigEndian) {
  if (bigEndian) {
    PutU16(out, static_cast<std::uint16_t>(v >> 16), true);
    PutU16(out, static_cast<std::uint16_t>(v), true);
  } else {
    PutU16(out, static_cast<std::uint16_t>(v));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
  }
}

std::string MakeZip(const std::vector<ZipItem>& items) {
  std::string out, central;
  for (const ZipItem& item : items) {
    const auto offset = static_cast<std::uint32_t>(out.size());
    const std::uint16_t flags = static_cast<std::uint16_t>((item.utf8Flag ? (1u << 11) : 0) | (item.dataDescriptor ? 8 : 0));
    const auto size = static_cast<std::uint32_t>(item.data.size());
    auto header = [&](std::string& to, bool local) {
      PutU32(to, local ? 0x04034B50 : 0x02014B50);
      if (!local) PutU16(to, 20);  // made by
      PutU16(to, 20);              // needed
      PutU16(to, flags);
      PutU16(to, item.method);
      PutU16(to, item.dosTime);
      PutU16(to, item.dosDate);
      PutU32(to, 0);  // CRC (not checked by the reader)
      const std::uint32_t declared = local && item.dataDescriptor ? 0 : size;
      PutU32(to, declared);
      PutU32(to, declared);
      PutU16(to, static_cast<std::uint16_t>(item.name.size()));
      PutU16(to, static_cast<std::uint16_t>(local ? item.localExtra.size() : 0));
      if (!local) {
        PutU16(to, 0);  // comment
        PutU16(to, 0);  // disk
        PutU16(to, 0);  // internal attributes
        PutU32(to, 0);  // external attributes
        PutU32(to, offset);
      }
      to += item.name;
      if (local) to += item.localExtra;
    };
    header(out, true);
    out += item.data;
    if (item.dataDescriptor) {
      PutU32(out, 0x08074B50);
      PutU32(out, 0);  // CRC
      PutU32(out, size);
      PutU32(out, size);
    }
    header(central, false);
  }
  const auto centralOffset = static_cast<std::uint32_t>(out.size());
  out += central;
  PutU32(out, 0x06054B50);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, static_cast<std::uint16_t>(items.size()));
  PutU16(out, static_cast<std::uint16_t>(items.size()));
  PutU32(out, static_cast<std::uint32_t>(central.size()));
  PutU32(out, centralOffset);
  PutU16(out, 0);
  return out;
}

namespace {

// 9-bit codes packed LSB first, with a clear code often enough that the
// decoder's table never forces wider codes.
std::string UncompressedLzw(const std::vector<std::uint8_t>& indices) {
  std::string out;
  std::uint32_t bits = 0;
  int count = 0;
  auto put = [&](std::uint32_t code) {
    bits |= code << count;
    count += 9;
    while (count >= 8) {
      out.push_back(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      count -= 8;
    }
  };
  constexpr std::uint32_t kClear = 256, kEnd = 257;
  int sinceClear = 0;
  put(kClear);
  for (std::uint8_t index : indices) {
    if (sinceClear == 254) {
      put(kClear);
      sinceClear = 0;
    }
    put(index);
    ++sinceClear;
  }
  put(kEnd);
  if (count > 0) out.push_back(static_cast<char>(bits & 0xFF));
  return out;
}

void PutSubBlocks(std::string& out, const std::string& data) {
  for (std::size_t pos = 0; pos < data.size(); pos += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - pos);
    out.push_back(static_cast<char>(n));
    out.append(data, pos, n);
  }
  out.push_back('\0');
}

}  // namespace

std::string MakeGif(int width, int height, const std::vector<std::uint32_t>& paletteRgb,
                    const std::vector<GifFrame>& frames, bool animated, std::uint16_t loops) {
  std::string out = "GIF89a";
  PutU16(out, static_cast<std::uint16_t>(width));
  PutU16(out, static_cast<std::uint16_t>(height));
  out.push_back(static_cast<char>(0xF7));  // global table of 256 entries, 8-bit colour
  out.push_back('\0');
  out.push_back('\0');
  for (int i = 0; i < 256; ++i) {
    const std::uint32_t rgb = i < static_cast<int>(paletteRgb.size()) ? paletteRgb[i] : 0;
    out.push_back(static_cast<char>(rgb >> 16));
    out.push_back(static_cast<char>(rgb >> 8));
    out.push_back(static_cast<char>(rgb));
  }
  if (animated) {
    out += "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
    PutU16(out, loops);
    out.push_back('\0');
  }
  for (const GifFrame& frame : frames) {
    if (animated) {
      out += std::string("\x21\xF9\x04\x00", 4);
      PutU16(out, frame.delayHundredths);
      out += std::string("\x00\x00", 2);
    }
    out.push_back('\x2C');
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, static_cast<std::uint16_t>(width));
    PutU16(out, static_cast<std::uint16_t>(height));
    out.push_back('\0');
    out.push_back('\x08');
    PutSubBlocks(out, UncompressedLzw(frame.indices));
  }
  out.push_back('\x3B');
  return out;
}

std::string MakeTiffExifBlock(const ExifFields& f) {
  const bool be = f.bigEndian;
  struct Entry {
    std::uint16_t tag, type;
    std::string text;  // ASCII value incl. NUL, or empty for numbers
    std::uint32_t number;
  };
  std::vector<Entry> ifd0, exif;
  if (!f.make.empty()) ifd0.push_back({271, 2, f.make + '\0', 0});
  if (!f.model.empty()) ifd0.push_back({272, 2, f.model + '\0', 0});
  if (f.orientation) ifd0.push_back({274, 3, "", static_cast<std::uint32_t>(f.orientation)});
  if (!f.dateTime.empty()) ifd0.push_back({306, 2, f.dateTime + '\0', 0});
  if (!f.dateTimeOriginal.empty()) {
    ifd0.push_back({34665, 4, "", 0});  // offset patched below
    exif.push_back({36867, 2, f.dateTimeOriginal + '\0', 0});
  }
  const std::uint32_t ifd0Offset = 8;
  const std::uint32_t ifd0Size = 2 + 12 * static_cast<std::uint32_t>(ifd0.size()) + 4;
  const std::uint32_t exifOffset = ifd0Offset + ifd0Size;
  const std::uint32_t exifSize = exif.empty() ? 0 : 2 + 12 * static_cast<std::uint32_t>(exif.size()) + 4;
  std::uint32_t dataOffset = exifOffset + exifSize;
  std::string data;
  auto writeIfd = [&](std::string& out, std::vector<Entry>& entries) {
    PutU16(out, static_cast<std::uint16_t>(entries.size()), be);
    for (Entry& e : entries) {
      PutU16(out, e.tag, be);
      PutU16(out, e.type, be);
      if (e.type == 2) {
        PutU32(out, static_cast<std::uint32_t>(e.text.size()), be);
        if (e.text.size() <= 4) {
          std::string value = e.text;
          value.resize(4, '\0');
          out += value;
        } else {
          PutU32(out, dataOffset + static_cast<std::uint32_t>(data.size()), be);
          data += e.text;
        }
      } else if (e.type == 3) {
        PutU32(out, 1, be);
        PutU16(out, static_cast<std::uint16_t>(e.number), be);
        PutU16(out, 0, be);
      } else {
        PutU32(out, 1, be);
        PutU32(out, e.tag == 34665 ? exifOffset : e.number, be);
      }
    }
    PutU32(out, 0, be);
  };
  std::string out = be ? "MM" : "II";
  PutU16(out, 42, be);
  PutU32(out, ifd0Offset, be);
  writeIfd(out, ifd0);
  if (!exif.empty()) writeIfd(out, exif);
  out += data;
  return out;
}

std::string MakeExifSegment(const ExifFields& fields) {
  const std::string tiff = MakeTiffExifBlock(fields);
  std::string out = "\xFF\xE1";
  PutU16(out, static_cast<std::uint16_t>(2 + 6 + tiff.size()), true);
  out += std::string("Exif\0\0", 6);
  out += tiff;
  return out;
}

std::string InsertJpegSegment(const std::string& jpeg, const std::string& segment, bool afterJfif) {
  std::size_t at = 2;
  if (afterJfif && jpeg.size() > 6 && static_cast<std::uint8_t>(jpeg[2]) == 0xFF &&
      static_cast<std::uint8_t>(jpeg[3]) == 0xE0) {
    at = 4 + ((static_cast<std::uint8_t>(jpeg[4]) << 8) | static_cast<std::uint8_t>(jpeg[5]));
  } else if (!afterJfif && jpeg.size() > 6 && static_cast<std::uint8_t>(jpeg[3]) == 0xE0) {
    // drop the JFIF segment so the Exif block is the first one
    const std::size_t end = 4 + ((static_cast<std::uint8_t>(jpeg[4]) << 8) | static_cast<std::uint8_t>(jpeg[5]));
    return jpeg.substr(0, 2) + segment + jpeg.substr(end);
  }
  return jpeg.substr(0, at) + segment + jpeg.substr(at);
}

std::string MakeTar(const std::vector<TarItem>& items) {
  std::string out;
  for (const TarItem& item : items) {
    std::string header(512, '\0');
    std::string name = item.name, prefix;
    if (name.size() > 100) {
      const std::size_t slash = name.rfind('/', name.size() - 2);
      prefix = name.substr(0, slash);
      name = name.substr(slash + 1);
    }
    header.replace(0, name.size(), name);
    const auto octal = [&](std::size_t at, std::size_t width, std::uint64_t value) {
      char text[32];
      std::snprintf(text, sizeof text, "%0*llo", static_cast<int>(width - 1), static_cast<unsigned long long>(value));
      header.replace(at, width - 1, text);
    };
    octal(100, 8, 0644);
    octal(108, 8, 0);
    octal(116, 8, 0);
    octal(124, 12, item.data.size());
    octal(136, 12, item.time);
    header[156] = item.type;
    header.replace(257, 6, std::string("ustar\0", 6));
    header.replace(263, 2, "00");
    header.replace(345, prefix.size(), prefix);
    header.replace(148, 8, "        ");
    unsigned sum = 0;
    for (unsigned char c : header) sum += c;
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, "%06o", sum);
    header.replace(148, 7, std::string(checksum, 6) + '\0');
    out += header;
    out += item.data;
    out.append((512 - item.data.size() % 512) % 512, '\0');
  }
  out.append(1024, '\0');
  return out;
}

std::string MakeNetpbm(char kind, int width, int height, std::uint32_t (*rgb)(int x, int y, void* context),
                       void* context) {
  const bool colour = kind == '3' || kind == '6';
  const bool binary = kind == '5' || kind == '6';
  std::string out = "P" + std::string(1, kind) + "\n# made by the tests\n" + std::to_string(width) + " " +
                    std::to_string(height) + "\n255\n";
  out.reserve(out.size() + static_cast<std::size_t>(width) * height * (binary ? 3 : 12));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = rgb(x, y, context);
      const unsigned samples[3] = {(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF};
      for (int i = colour ? 0 : 1; i < (colour ? 3 : 2); ++i) {
        if (binary) out += static_cast<char>(samples[i]);
        else out += std::to_string(samples[i]) + (x + 1 == width && i == 2 ? "\n" : " ");
      }
    }
  }
  return out;
}

}  // namespace tvtest
