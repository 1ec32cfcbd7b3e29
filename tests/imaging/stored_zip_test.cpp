#include <gtest/gtest.h>

#include <ctime>

#include "imaging/stored_zip.h"
#include "tests/support/test_files.h"

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

TEST(ParseStoredZip, ListsStoredMembersWithFoldersAndPointsIntoTheBuffer) {
  const std::string zip = MakeZip({{"a.png", "AAAA"}, {"sub/dir/b.jpg", "BBBBBB"}, {"c.gif", ""}});
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[0].name, L"a.png");
  EXPECT_EQ(members[1].name, L"sub/dir/b.jpg");
  EXPECT_EQ(members[1].size, 6u);
  EXPECT_EQ(members[2].size, 0u);
  // in place: the data pointer lies inside the buffer and shows the bytes
  EXPECT_EQ(members[1].data, Bytes(zip) + zip.find("BBBBBB"));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(members[0].data), 4), "AAAA");
  for (const auto& m : members) EXPECT_EQ(m.method, 0u);
}

TEST(ParseStoredZip, StopsAtTheFirstCompressedMember) {
  ZipItem deflated{"c.png", "CCCC"};
  deflated.method = 8;
  EXPECT_EQ(Parse(MakeZip({{"a.png", "AA"}, {"b.png", "BB"}, deflated, {"d.png", "DD"}})).size(), 2u);
  EXPECT_TRUE(Parse(MakeZip({deflated, {"a.png", "AA"}})).empty());
}

TEST(ParseStoredZip, TruncatedLastMemberIsLeftOut) {
  std::string zip = MakeZip({{"a.png", "AAAA"}, {"b.png", std::string(100, 'B')}});
  zip.resize(zip.find(std::string(100, 'B')) + 50);
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].name, L"a.png");
}

TEST(ParseStoredZip, NamesFollowTheUtf8Flag) {
  ZipItem flagged{"\xE5\x86\x99\xE7\x9C\x9F.png", "x"};  // "写真.png" in UTF-8
  flagged.utf8Flag = true;
  ZipItem unflagged{"caf\xE9.png", "y"};  // single-byte code page text
  const auto members = Parse(MakeZip({flagged, unflagged}));
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[0].name, L"\x5199\x771F.png");
  EXPECT_EQ(members[1].name, L"caf\x00E9.png");
}

TEST(ParseStoredZip, Zip64MarkerSizeIsRejected) {
  // A size of 0xFFFFFFFF would wrap the end computation of a 32-bit program
  // and list a 4 GiB member.
  std::string zip = MakeZip({{"a.png", "AA"}, {"b.png", "BB"}});
  const std::size_t second = zip.find("PK\x03\x04", 4);
  for (std::size_t field : {18u, 22u}) zip.replace(second + field, 4, "\xFF\xFF\xFF\xFF");
  const auto members = Parse(zip);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].name, L"a.png");
}

TEST(ParseStoredZip, HugeDeclaredSizeFailsWithoutReadingPastTheEnd) {
  std::string zip = MakeZip({{"a.png", "AA"}});
  for (std::size_t field : {18u, 22u}) zip.replace(field, 4, "\xF0\xFF\xFF\xFF");
  EXPECT_TRUE(Parse(zip).empty());
}

TEST(ParseStoredZip, DifferingSizesOrBadSignatureOrTinyBufferListNothing) {
  std::string zip = MakeZip({{"a.png", "AA"}});
  std::string sizes = zip;
  sizes[18] = 3;
  EXPECT_TRUE(Parse(sizes).empty());
  std::string signature = zip;
  signature[0] = 'Q';
  EXPECT_TRUE(Parse(signature).empty());
  EXPECT_TRUE(Parse(zip.substr(0, 30)).empty());
  std::vector<ZipMember> members;
  EXPECT_EQ(ParseStoredZip(nullptr, 100, members, nullptr), 0u);
}

TEST(ParseStoredZip, MemberTimeIsTheDosTimeAsLocalTime) {
  ZipItem item{"a.png", "AA"};
  item.dosDate = static_cast<std::uint16_t>(((2000 - 1980) << 9) | (12 << 5) | 31);
  item.dosTime = static_cast<std::uint16_t>((23 << 11) | (59 << 5) | (58 / 2));
  const auto members = Parse(MakeZip({item}));
  ASSERT_EQ(members.size(), 1u);
  const std::time_t t = static_cast<std::time_t>(members[0].time);
  const std::tm* converted = std::localtime(&t);
  ASSERT_NE(converted, nullptr);
  const std::tm local = *converted;
  EXPECT_EQ(local.tm_year, 100);
  EXPECT_EQ(local.tm_mon, 11);
  EXPECT_EQ(local.tm_mday, 31);
  EXPECT_EQ(local.tm_hour, 23);
  EXPECT_EQ(local.tm_min, 59);
  EXPECT_EQ(local.tm_sec, 58);
}
