#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "imaging/plugin_format.h"

using namespace tv;

namespace {

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap header block: 40-byte header, optional masks, colour table.
std::vector<std::uint8_t> Header(int width, int height, int bits, std::uint32_t compression = 0,
                                 std::vector<std::uint32_t> masks = {}, std::vector<std::uint32_t> table = {},
                                 std::uint32_t coloursUsed = 0) {
  std::vector<std::uint8_t> out(40 + 4 * (masks.size() + table.size()));
  Put32(out, 0, 40);
  Put32(out, 4, static_cast<std::uint32_t>(width));
  Put32(out, 8, static_cast<std::uint32_t>(height));
  out[12] = 1;
  out[14] = static_cast<std::uint8_t>(bits);
  Put32(out, 16, compression);
  Put32(out, 32, coloursUsed);
  std::size_t at = 40;
  for (std::uint32_t m : masks) Put32(out, at, m), at += 4;
  for (std::uint32_t c : table) Put32(out, at, c), at += 4;
  return out;
}

SusieFileInfo Record(const char* path, const char* name) {
  SusieFileInfo record{};
  std::memcpy(record.method, "tar", 3);
  std::strncpy(record.path, path, sizeof record.path);
  std::strncpy(record.fileName, name, sizeof record.fileName);
  return record;
}

}  // namespace

TEST(PluginFormat, FirstFolderWinsForEachFileName) {
  const std::vector<std::wstring> kept =
      FirstOfEachName({L"A\\a.spi", L"A\\b.spi", L"B\\a.spi", L"B\\c.spi", L"B\\B.spi"});
  EXPECT_EQ(kept, (std::vector<std::wstring>{L"A\\a.spi", L"A\\b.spi", L"B\\c.spi", L"B\\B.spi"}));
}

TEST(PluginFormat, RecordWalkEndsAtTheTerminatorOrTheBlock) {
  std::vector<SusieFileInfo> records = {Record("sub\\", "a.png"), Record("", "b.png"), SusieFileInfo{},
                                        Record("", "after.png")};
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(records.data());
  const std::size_t all = records.size() * sizeof(SusieFileInfo);
  EXPECT_EQ(ReadFileInfoRecords(bytes, all).size(), 2u);
  // Without terminator the walk stops with the last whole record.
  EXPECT_EQ(ReadFileInfoRecords(bytes, 2 * sizeof(SusieFileInfo) - 1).size(), 1u);
  EXPECT_EQ(ReadFileInfoRecords(bytes, sizeof(SusieFileInfo) - 1).size(), 0u);
  EXPECT_EQ(ReadFileInfoRecords(nullptr, all).size(), 0u);
  EXPECT_EQ(MemberName(records[0]), "sub\\a.png");
}

TEST(PluginFormat, NamesWithoutTerminatorAreReadUpToTheirField) {
  SusieFileInfo record = Record("", "");
  std::memset(record.path, 'p', sizeof record.path);
  std::memset(record.fileName, 'f', sizeof record.fileName);
  EXPECT_EQ(MemberName(record), std::string(200, 'p') + std::string(200, 'f'));
}

TEST(PluginFormat, BitmapHeadersThatDoNotMatchTheirBlocksAreRefused) {
  PluginBitmapLayout layout;
  const auto header = Header(3, 2, 24);
  EXPECT_TRUE(ReadPluginBitmapLayout(header.data(), header.size(), 24, layout));
  EXPECT_EQ(layout.stride, 12u);
  const struct {
    const char* what;
    std::vector<std::uint8_t> header;
    std::size_t bitsSize;
  } refused[] = {
      {"bits block one byte short", Header(3, 2, 24), 23},
      {"top-down bits block short", Header(3, -2, 24), 23},
      {"header block shorter than a header", std::vector<std::uint8_t>(header.begin(), header.begin() + 39), 24},
      {"zero width", Header(0, 2, 24), 24},
      {"negative width", Header(-3, 2, 24), 24},
      {"zero height", Header(3, 0, 24), 24},
      {"unknown bit count", Header(3, 2, 12), 1000},
      {"run-length compressed", Header(3, 2, 8, 1, {}, std::vector<std::uint32_t>(256)), 1000},
      {"colour table missing", Header(3, 2, 8), 1000},
      {"colour table shorter than colours used", Header(3, 2, 8, 0, {}, {1, 2}, 3), 1000},
      {"bit fields without masks", Header(3, 2, 32, 3), 1000},
      // 64-bit arithmetic: the row size times the rows overflows 32 bits.
      {"stride times rows beyond 32 bits", Header(0x10000, -0x10000, 32), 0x1000},
      {"most negative height", Header(3, static_cast<int>(0x80000000u), 24), 0xFFFFFFFFu},
  };
  for (const auto& c : refused)
    EXPECT_FALSE(ReadPluginBitmapLayout(c.header.data(), c.header.size(), c.bitsSize, layout)) << c.what;
}

// Every supported depth, bottom-up and top-down: a 3 x 2 picture whose rows
// are red green blue / white black red.
TEST(PluginFormat, EveryDepthConvertsToTopDownOpaquePixels) {
  const std::uint32_t want[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFFFF0000};
  const std::vector<std::uint32_t> table = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000};
  const int index[6] = {0, 1, 2, 3, 4, 0};
  struct Case {
    const char* what;
    int bits;
    std::uint32_t compression;
    std::vector<std::uint32_t> masks, table;
    std::uint32_t coloursUsed;
  };
  const Case cases[] = {
      {"4 bits, 5 colours", 4, 0, {}, table, 5},
      {"8 bits, 5 colours", 8, 0, {}, table, 5},
      {"16 bits 5-5-5", 16, 0, {}, {}, 0},
      {"16 bits 5-6-5 masks", 16, 3, {0xF800, 0x07E0, 0x001F}, {}, 0},
      {"24 bits", 24, 0, {}, {}, 0},
      {"32 bits", 32, 0, {}, {}, 0},
      {"32 bits masks", 32, 3, {0xFF0000, 0xFF00, 0xFF}, {}, 0},
      {"24 bits with an unused colour table", 24, 0, {}, table, 5},
  };
  for (const Case& c : cases) {
    for (const bool topDown : {false, true}) {
      const auto header = Header(3, topDown ? -2 : 2, c.bits, c.compression, c.masks, c.table, c.coloursUsed);
      const std::size_t stride = (3 * c.bits + 31) / 32 * 4;
      std::vector<std::uint8_t> bits(stride * 2);
      for (int y = 0; y < 2; ++y) {
        std::uint8_t* row = bits.data() + (topDown ? y : 1 - y) * stride;
        for (int x = 0; x < 3; ++x) {
          const std::uint32_t rgb = want[y * 3 + x] & 0xFFFFFF;
          const std::uint32_t r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
          switch (c.bits) {
            case 4: row[x / 2] |= static_cast<std::uint8_t>(index[y * 3 + x] << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = static_cast<std::uint8_t>(index[y * 3 + x]); break;
            case 16: {
              const std::uint32_t v = c.compression ? (r >> 3) << 11 | (g >> 2) << 5 | b >> 3
                                                    : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
              row[x * 2] = static_cast<std::uint8_t>(v), row[x * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
              break;
            }
            case 24: row[x * 3] = static_cast<std::uint8_t>(b), row[x * 3 + 1] = static_cast<std::uint8_t>(g),
                     row[x * 3 + 2] = static_cast<std::uint8_t>(r); break;
            default: std::memcpy(row + x * 4, &rgb, 4); break;
          }
        }
      }
      PluginBitmapLayout layout;
      ASSERT_TRUE(ReadPluginBitmapLayout(header.data(), header.size(), bits.size(), layout)) << c.what;
      std::uint32_t out[6] = {};
      ConvertPluginBitmap(layout, header.data(), bits.data(), out);
      for (int i = 0; i < 6; ++i)
        EXPECT_EQ(out[i], want[i]) << c.what << (topDown ? " top-down" : " bottom-up") << " pixel " << i;
    }
  }
}

TEST(PluginFormat, OneBitPicturesUseTheirTwoColours) {
  const auto header = Header(10, 1, 1, 0, {}, {0x123456, 0xABCDEF});
  const std::vector<std::uint8_t> bits = {0xA5, 0x80, 0, 0};  // 1010 0101 10
  PluginBitmapLayout layout;
  ASSERT_TRUE(ReadPluginBitmapLayout(header.data(), header.size(), bits.size(), layout));
  std::uint32_t out[10] = {};
  ConvertPluginBitmap(layout, header.data(), bits.data(), out);
  const int set[10] = {1, 0, 1, 0, 0, 1, 0, 1, 1, 0};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(out[i], set[i] ? 0xFFABCDEFu : 0xFF123456u) << i;
}

// A mask with a gap in it (0b101) once scaled its value past 255, into the
// next channel's bits.
TEST(PluginFormat, MaskWithAGapStaysInsideItsOwnChannel) {
  const auto header = Header(1, 1, 32, 3, {0xFF0000, 0xFF00, 0x5});
  const std::vector<std::uint8_t> bits = {0x05, 0, 0, 0};
  PluginBitmapLayout layout;
  ASSERT_TRUE(ReadPluginBitmapLayout(header.data(), header.size(), bits.size(), layout));
  std::uint32_t out = 0;
  ConvertPluginBitmap(layout, header.data(), bits.data(), &out);
  EXPECT_EQ(out, 0xFF0000B6u);  // 5 of 7 scaled to 182, green untouched
}
