#include <gtest/gtest.h>

#include <limits>

#include "imaging/declared_size.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;
using tvtest::PutU16;
using tvtest::PutU32;

namespace {

std::string Jpeg(std::uint8_t frameMarker, std::uint16_t width, std::uint16_t height, const std::string& before = "") {
  std::string out = "\xFF\xD8\xFF\xE0";
  PutU16(out, 16, true);
  out += std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14);
  out += before;
  out += "\xFF\xFF";  // a fill byte before the marker
  out.push_back(static_cast<char>(frameMarker));
  PutU16(out, 17, true);
  out.push_back(8);
  PutU16(out, height, true);
  PutU16(out, width, true);
  return out;
}

std::string Png(std::uint32_t width, std::uint32_t height) {
  std::string out("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  PutU32(out, width, true);
  PutU32(out, height, true);
  return out;
}

std::string Gif(std::uint16_t screenWidth, std::uint16_t screenHeight, std::uint16_t left, std::uint16_t top,
                std::uint16_t width, std::uint16_t height) {
  std::string out = "GIF89a";
  PutU16(out, screenWidth);
  PutU16(out, screenHeight);
  out += std::string("\x80\0\0", 3);         // a 2-entry global colour table
  out += std::string(6, '\0');
  out += std::string("\x21\xF9\x04\0\0\0\0\0", 8);  // graphic control
  out += "\x2C";
  PutU16(out, left);
  PutU16(out, top);
  PutU16(out, width);
  PutU16(out, height);
  out += std::string("\0\x02\x02\x4C\x01\0\x3B", 7);
  return out;
}

std::string Bmp(std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
  std::string out = "BM" + std::string(12, '\0');
  PutU32(out, headerSize);
  if (headerSize == 12) {
    PutU16(out, static_cast<std::uint16_t>(width));
    PutU16(out, static_cast<std::uint16_t>(height));
  } else {
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));
  }
  return out;
}

// IFD 0 with an unrelated entry first; SHORT or LONG sides.
std::string Tiff(bool bigEndian, std::uint16_t type, std::uint32_t width, std::uint32_t height) {
  std::string out = bigEndian ? std::string("MM\0\x2A", 4) : std::string("II\x2A\0", 4);
  PutU32(out, 8, bigEndian);
  PutU16(out, 3, bigEndian);
  for (auto [tag, value] : {std::pair<std::uint16_t, std::uint32_t>{254, 0}, {256, width}, {257, height}}) {
    PutU16(out, tag, bigEndian);
    PutU16(out, tag == 254 ? 4 : type, bigEndian);
    PutU32(out, 1, bigEndian);
    if (type == 3 && tag != 254) {
      PutU16(out, static_cast<std::uint16_t>(value), bigEndian);
      PutU16(out, 0, bigEndian);
    } else {
      PutU32(out, value, bigEndian);
    }
  }
  return out;
}

std::optional<DeclaredSize> Read(const std::string& bytes) { return ReadDeclaredSize(Bytes(bytes), bytes.size()); }

}  // namespace

TEST(DeclaredSize, EveryFormatGivesItsDeclaredSides) {
  struct Case {
    const char* what;
    std::string bytes;
    std::uint32_t width, height;
  };
  const std::string dht("\xFF\xC4\x00\x03\x00", 5);
  const Case cases[] = {
      {"baseline JPEG", Jpeg(0xC0, 1, 3000), 1, 3000},
      {"progressive JPEG", Jpeg(0xC2, 64250, 64250), 64250, 64250},
      {"JPEG with Huffman tables and TEM first", Jpeg(0xC1, 3, 5, dht + "\xFF\x01"), 3, 5},
      {"PNG", Png(65535, 1), 65535, 1},
      {"GIF screen", Gif(3, 5, 0, 0, 1, 1), 3, 5},
      {"GIF frame beyond the screen", Gif(3, 5, 10, 20, 7, 1), 17, 21},
      {"BMP bottom-up", Bmp(40, 7, 3), 7, 3},
      {"BMP top-down", Bmp(124, 2, -3), 2, 3},
      {"BMP lowest height", Bmp(40, 1, std::numeric_limits<std::int32_t>::min()), 1, 0x80000000u},
      {"BMP core header", Bmp(12, 5, 6), 5, 6},
      {"TIFF II SHORT", Tiff(false, 3, 65535, 3), 65535, 3},
      {"TIFF MM SHORT", Tiff(true, 3, 1, 2), 1, 2},
      {"TIFF MM LONG", Tiff(true, 4, 64250, 64250), 64250, 64250},
      {"TIFF II LONG", Tiff(false, 4, 100000, 7), 100000, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto size = Read(c.bytes);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, c.width);
    EXPECT_EQ(size->height, c.height);
    // Cut anywhere before the sides, the header tells nothing.
    if (c.bytes.find("GIF") == 0) continue;  // a GIF walk keeps what it saw (below)
    for (std::size_t cut = 0; cut < c.bytes.size(); ++cut) ASSERT_FALSE(Read(c.bytes.substr(0, cut))) << cut;
  }
}

TEST(DeclaredSize, HostileOrMeaninglessHeadersTellNothing) {
  std::string longSegment = Jpeg(0xC0, 4, 4);
  longSegment[5] = '\x7F';  // APP0 length running past the end
  std::string shortSegment = Jpeg(0xC0, 4, 4);
  shortSegment[5] = '\x01';  // a length that would not advance
  std::string farIfd = Tiff(false, 3, 4, 4);
  farIfd.replace(4, 4, "\xFF\xFF\xFF\xFF");
  std::string manyEntries = Tiff(true, 3, 4, 4);
  manyEntries.replace(8, 2, "\xFF\xFF");
  std::string floatSides = Tiff(false, 11, 4, 4);
  const std::string cases[] = {longSegment, shortSegment, Jpeg(0xC0, 0, 4), Jpeg(0xC0, 4, 0),
                               std::string("\xFF\xD8\xFF\xDA\0\x02", 6), Png(0x80000000u, 1), Png(4, 0),
                               Bmp(40, -2, 3), Bmp(40, 2, 0), Bmp(8, 2, 2), farIfd, manyEntries, floatSides,
                               Tiff(false, 3, 0, 4), Gif(0, 0, 0, 0, 0, 0), "RIFF0000WEBPVP8 ", ""};
  for (const std::string& bytes : cases) EXPECT_FALSE(Read(bytes)) << ::testing::PrintToString(bytes);
  EXPECT_FALSE(ReadDeclaredSize(nullptr, 40));
  // A block walk cut short keeps what it saw: the screen.
  const std::string gif = Gif(9, 8, 0, 0, 64, 64);
  const auto cut = Read(gif.substr(0, gif.find('\x2C') + 4));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width * 100 + cut->height, 908u);
}

TEST(DeclaredSize, DecodeFitsOnlyWhatIsAvailable) {
  EXPECT_TRUE(DecodeFitsIn({1, 1}, 12, 12));
  EXPECT_FALSE(DecodeFitsIn({1, 1}, 12, 11));
  EXPECT_TRUE(DecodeFitsIn({4000, 3000}, 12, 144000000));
  EXPECT_FALSE(DecodeFitsIn({64250, 64250}, 12, std::uint64_t{16} << 30));
  EXPECT_FALSE(DecodeFitsIn({0xFFFFFFFFu, 0xFFFFFFFFu}, 12, ~std::uint64_t{0}));  // no wrap-around
}
