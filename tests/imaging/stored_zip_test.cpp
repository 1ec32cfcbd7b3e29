#include <gtest/gtest.h>

#include <ctime>

#include "imaging/stored_zip.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;
using tvtest::MakeZip;
using tvtest::ZipItem;

namespace {
std::vector<ZipMember> Parse(const std::string& zip) {
  std::vector<ZipMember> members{ZipMember{L"stale"}};
  ParseStoredZip(Bytes(zip), zip.size(), members, DecodeZipNameLatin1);
  return members;
}
}  // namespace

TEST(ParseStoredZip, ListsStoredMembersInPlaceWithTheirLocalTime) {
  ZipItem timed{"sub/dir/b.jpg", "BBBBBB"};
  timed.dosDate = static_cast<std::uint16_t>(((2000 - 1980) << 9) | (12 << 5) | 31);
  timed.dosTime = static_cast<std::uint16_t>((23 << 11) | (59 << 5) | (58 / 2));
  const std::string zip = MakeZip({{"a.png", "AAAA"}, timed, {"c.gif", ""}});
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[1].name, L"sub/dir/b.jpg");
  EXPECT_EQ(members[1].size, 6u);
  EXPECT_EQ(members[2].size, 0u);
  EXPECT_EQ(members[1].data, Bytes(zip) + zip.find("BBBBBB"));
  const std::time_t t = static_cast<std::time_t>(members[1].time);
  const std::tm* local = std::localtime(&t);
  ASSERT_NE(local, nullptr);
  EXPECT_EQ(std::string(std::asctime(local)), "Sun Dec 31 23:59:58 2000\n");
}

TEST(ParseStoredZip, StopsAtTheFirstCompressedMemberOrBrokenHeader) {
  ZipItem deflated{"c.png", "CCCC"};
  deflated.method = 8;
  EXPECT_EQ(Parse(MakeZip({{"a.png", "AA"}, {"b.png", "BB"}, deflated, {"d.png", "DD"}})).size(), 2u);
  EXPECT_TRUE(Parse(MakeZip({deflated, {"a.png", "AA"}})).empty());
  const std::string zip = MakeZip({{"a.png", "AA"}});
  for (std::size_t at : {0u, 18u}) {  // signature, differing sizes
    std::string bad = zip;
    bad[at] = 3;
    EXPECT_TRUE(Parse(bad).empty()) << at;
  }
  EXPECT_TRUE(Parse(zip.substr(0, 30)).empty());
  std::vector<ZipMember> members;
  EXPECT_EQ(ParseStoredZip(nullptr, 100, members, nullptr), 0u);
}

TEST(ParseStoredZip, TruncatedLastMemberIsLeftOut) {
  std::string zip = MakeZip({{"a.png", "AAAA"}, {"b.png", std::string(100, 'B')}});
  zip.resize(zip.find(std::string(100, 'B')) + 50);
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].name, L"a.png");
}

// The Zip64 marker 0xFFFFFFFF would wrap a 32-bit end computation and list a
// 4 GiB member; no huge size may be read past the end.
TEST(ParseStoredZip, Zip64MarkerOrHugeDeclaredSizeIsRejectedWithoutReadingPastTheEnd) {
  for (const char* size : {"\xFF\xFF\xFF\xFF", "\xF0\xFF\xFF\xFF"})
    for (const std::size_t member : {0u, 1u}) {  // the members before it are listed
      std::string zip = MakeZip({{"a.png", "AA"}, {"b.png", "BB"}});
      const std::size_t at = member ? zip.find("PK\x03\x04", 4) : 0;
      for (std::size_t field : {18u, 22u}) zip.replace(at + field, 4, size);
      EXPECT_EQ(Parse(zip).size(), member);
    }
}

TEST(ParseStoredZip, DataDescriptorMembersTakeTheirSizesFromTheCentralDirectory) {
  std::vector<ZipItem> items;
  for (std::size_t size : {1u, 3u, 0u, 7u, 4099u}) {
    ZipItem item{"m" + std::to_string(size) + ".png", std::string(size, static_cast<char>('a' + size % 26))};
    item.dataDescriptor = size != 7;  // one plain member among them
    item.localExtra = size == 3 ? std::string("\x99\x99\x01\x00X", 5) : "";  // local extra differs from the directory's
    items.push_back(item);
  }
  const std::string zip = MakeZip(items);
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), items.size());
  std::size_t from = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(items[i].name);
    EXPECT_EQ(members[i].name, std::wstring(items[i].name.begin(), items[i].name.end()));
    EXPECT_EQ(members[i].size, items[i].data.size());
    from = zip.find(items[i].name, from) + items[i].name.size() + items[i].localExtra.size();
    EXPECT_EQ(members[i].data, Bytes(zip) + from);
  }
  // Cut before its directory, such an archive lists what its local headers tell.
  EXPECT_TRUE(Parse(zip.substr(0, zip.find("PK\x01\x02"))).empty());
}
