#pragma once
// Byte-level builders for the sample pictures and the tests' pictures that no
// encoder on this machine writes correctly: stored ZIP archives, GIFs (still
// and animated) and Exif blocks.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tvtest {

inline const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

struct ZipItem {
  std::string name;  // raw bytes as stored
  std::string data;
  bool utf8Flag = false;
  std::uint16_t method = 0;  // 8 = deflate (the data is then stored as given, only the method differs)
  std::uint16_t dosTime = 0;
  std::uint16_t dosDate = (20 << 9) | (1 << 5) | 1;  // 2000-01-01
  // As streaming writers do: sizes 0 in the local header (flag bit 3) and a
  // signed data descriptor after the data; only the central directory knows.
  bool dataDescriptor = false;
  std::string localExtra = {};  // extra field of the local header only
};
// Local headers, then a central directory and its end record.
std::string MakeZip(const std::vector<ZipItem>& items);

struct GifFrame {
  std::vector<std::uint8_t> indices;  // width*height palette indices
  std::uint16_t delayHundredths = 10;
};
// 256-colour GIF89a, `palette` is up to 256 RGB triples (padded with black).
// With `animated` every frame gets a graphic control extension and the file a
// NETSCAPE2.0 loop block; LZW data is written uncompressed (9-bit codes).
std::string MakeGif(int width, int height, const std::vector<std::uint32_t>& paletteRgb,
                    const std::vector<GifFrame>& frames, bool animated, std::uint16_t loops = 0);

struct ExifFields {
  bool bigEndian = false;
  int orientation = 0;  // 0: no orientation entry
  std::string make, model, dateTime, dateTimeOriginal;
};
// A TIFF header with IFD 0 (and an Exif IFD when dateTimeOriginal is set).
std::string MakeTiffExifBlock(const ExifFields& fields);
// An APP1 segment "Exif\0\0" + TIFF block, marker included.
std::string MakeExifSegment(const ExifFields& fields);
// Puts `segment` right after the SOI marker of a JPEG; when `afterJfif` and
// the JPEG starts with a JFIF APP0 segment, after that one instead.
std::string InsertJpegSegment(const std::string& jpeg, const std::string& segment, bool afterJfif);

struct TarItem {
  std::string name;  // '/' separated; names over 100 bytes go into the ustar prefix
  std::string data;
  std::uint32_t time = 946684800;  // 2000-01-01 00:00:00 UTC
  char type = '0';
};
// An uncompressed POSIX (ustar) tar archive.
std::string MakeTar(const std::vector<TarItem>& items);

// A netpbm picture: kind '6' (binary colour), '3' (text colour), '5' (binary
// grey) or '2' (text grey); `rgb` gives 0xRRGGBB, grey takes its green.
std::string MakeNetpbm(char kind, int width, int height, std::uint32_t (*rgb)(int x, int y, void* context),
                       void* context = nullptr);

void PutU16(std::string& out, std::uint16_t v, bool bigEndian = false);
void PutU32(std::string& out, std::uint32_t v, bool bigEndian = false);

}  // namespace tvtest
