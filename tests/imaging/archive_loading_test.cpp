#include <gtest/gtest.h>

#include "tests/imaging/loader_fixture.h"
#include "tests/support/test_files.h"

using namespace tv;
using tvtest::EncodeWithGdiplus;
using tvtest::LoaderTest;
using tvtest::MakeZip;
using tvtest::ZipItem;

namespace {
std::uint32_t Q(int x, int y) { return tvtest::Quadrants(x, y, 20, 10); }
}  // namespace

TEST_F(LoaderTest, StoredZipOpensListsAndLoadsMembersInPlace) {
  const std::string png = EncodeWithGdiplus(20, 10, Q, L"image/png");
  const std::string bmp = EncodeWithGdiplus(6, 4, Q, L"image/bmp");
  ZipItem utf8{"d\xC3\xA9j\xC3\xA0/\xE6\x97\xA5.png", png, true};  // "déjà/日.png" flagged as UTF-8
  ZipItem ansi{"caf\xE9.bmp", bmp};                              // "café.bmp" in the ANSI code page
  ZipItem stored{"sub/dir/pic.png", png};
  stored.dosDate = (20 << 9) | (12 << 5) | 31;  // 2000-12-31
  stored.dosTime = (23 << 11) | (59 << 5) | 29;  // 23:59:58
  ZipItem deflated{"late.png", png};
  deflated.method = 8;
  ImageEntry archive = Entry(L"pics.zip", MakeZip({stored, utf8, ansi, deflated}));
  ASSERT_TRUE(loader.LoadFile(archive));
  EXPECT_EQ(loader.ContentFlags(), kContentArchive);
  EXPECT_FALSE(loader.pictureLoaded());
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::StoredZip);

  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_EQ(members.size(), 3u);  // the deflated member ends the listing
  EXPECT_EQ(members[0].path, L"sub/dir/pic.png");
  EXPECT_EQ(members[1].path, L"d\u00E9j\u00E0/\u65E5.png");
  EXPECT_EQ(members[2].path, L"caf\u00E9.bmp");
  EXPECT_EQ(members[0].size, png.size());
  EXPECT_EQ(members[0].rotation, -1);
  std::tm local{};
  const std::time_t t = static_cast<std::time_t>(members[0].time);
  ASSERT_EQ(localtime_s(&local, &t), 0);
  EXPECT_EQ(local.tm_year, 100);
  EXPECT_EQ(local.tm_mon, 11);
  EXPECT_EQ(local.tm_mday, 31);
  EXPECT_EQ(local.tm_hour, 23);
  EXPECT_EQ(local.tm_sec, 58);

  for (ImageEntry& member : members) {
    SCOPED_TRACE(testing::Message() << member.path.size());
    member.size = 0;
    ASSERT_TRUE(loader.LoadArchiveMember(member));
    EXPECT_TRUE(loader.pictureLoaded());
    EXPECT_EQ(loader.ContentFlags(), kContentArchive | kContentMember | kContentGdiplus);
    EXPECT_NE(member.size, 0u);  // brought up to date
    EXPECT_EQ(loader.memberEntry().path, member.path);
    EXPECT_EQ(loader.archiveEntry().path, archive.path);
  }
  EXPECT_EQ(loader.width(), 6);
  ImageEntry absent;
  absent.path = L"late.png";
  EXPECT_FALSE(loader.LoadArchiveMember(absent));
  EXPECT_TRUE(loader.pictureLoaded());  // the shown member stays
}

TEST_F(LoaderTest, ZipWhoseFirstMemberIsDeflatedIsNotAnArchive) {
  ZipItem deflated{"a.png", "xxxxxxxxxxxx"};
  deflated.method = 8;
  ImageEntry archive = Entry(L"deflated.zip", MakeZip({deflated, {"b.png", "yyyy"}}));
  EXPECT_FALSE(loader.LoadFile(archive));  // left to archive plug-ins, of which there are none
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::None);
}

TEST_F(LoaderTest, TruncatedLastMemberIsLeftOut) {
  const std::string png = EncodeWithGdiplus(20, 10, Q, L"image/png");
  std::string zip = MakeZip({{"a.png", png}, {"b.png", png}});
  // Cut inside the second member's data: no directory, a short member.
  zip.resize(zip.find("b.png") + 5 + png.size() / 2);
  ImageEntry archive = Entry(L"cut.zip", zip);
  ASSERT_TRUE(loader.LoadFile(archive));
  ImageList members;
  ASSERT_TRUE(loader.ListArchive(members));
  ASSERT_EQ(members.size(), 1u);
  EXPECT_TRUE(loader.LoadArchiveMember(members[0]));
}

TEST_F(LoaderTest, ZipInsideAnOpenArchiveIsTreatedAsAPicture) {
  const std::string inner = MakeZip({{"x.png", EncodeWithGdiplus(4, 4, Q, L"image/png")}});
  ImageEntry archive = Entry(L"outer.zip", MakeZip({{"inner.zip", inner}}));
  ASSERT_TRUE(loader.LoadFile(archive));
  ImageEntry member;
  member.path = L"inner.zip";
  EXPECT_FALSE(loader.LoadArchiveMember(member));
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::StoredZip);  // the outer archive stays open
}

TEST_F(LoaderTest, ReleasingAnArchiveLetsTheNextZipOpen) {
  const std::string png = EncodeWithGdiplus(4, 4, Q, L"image/png");
  ImageEntry first = Entry(L"first.zip", MakeZip({{"a.png", png}}));
  ImageEntry second = Entry(L"second.zip", MakeZip({{"b.png", png}, {"c.png", png}}));
  ASSERT_TRUE(loader.LoadFile(first));
  loader.Release(kContentArchive | kContentMember);
  EXPECT_EQ(loader.archiveKind(), ArchiveKind::None);
  EXPECT_TRUE(loader.archiveEntry().path.empty());
  ImageList members;
  EXPECT_FALSE(loader.ListArchive(members));
  ASSERT_TRUE(loader.LoadFile(second));
  ASSERT_TRUE(loader.ListArchive(members));
  EXPECT_EQ(members.size(), 2u);
}
