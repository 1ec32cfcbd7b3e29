#include <gtest/gtest.h>

#include <ctime>

#include "imaging/information_text.h"

using namespace tv;

namespace {
InformationFacts Facts() {
  InformationFacts f;
  f.shownPath = L"C:\\pics\\a.jpg";
  f.fileSize = 1234567;
  f.width = 400;
  f.height = 200;
  f.displayWidth = 200;
  f.displayHeight = 100;
  f.loaderName = L"Internal Loader";
  return f;
}
bool Has(const InformationFacts& f, const std::wstring& part) { return InformationText(f).find(part) != std::wstring::npos; }
}  // namespace

TEST(InformationText, PlainPictureLines) {
  EXPECT_EQ(InformationText(Facts()), L"C:\\pics\\a.jpg\n\nTimestamp : " + LocalTimestampText(0) +
                                          L"\nPicture Size : 400 x 200 px\nZoom Ratio : 50 % (200 x 100px)"
                                          L"\nFilze Size : 1.23M bytes (1234567 bytes)\n\nLoader : Internal Loader");
  std::tm t{};
  t.tm_year = 124, t.tm_mday = 31, t.tm_hour = 13, t.tm_min = 45, t.tm_sec = 7, t.tm_isdst = -1;
  EXPECT_EQ(LocalTimestampText(std::mktime(&t)), L"2024-01-31(Wed) 13:45:07");
}

TEST(InformationText, ArchiveExifAndAnimationSections) {
  InformationFacts f = Facts();
  f.archivePath = L"C:\\pics\\set.zip";
  f.archiveSize = 2048;
  f.exif.hasExif = true;
  f.exif.maker = L"Maker X";
  f.exif.shooted = L"2020:01:02 03:04:05";
  f.animationKind = 1;
  f.frameCount = 12;
  EXPECT_EQ(InformationText(f).rfind(L"C:\\pics\\a.jpg\nC:\\pics\\set.zip\n\nTimestamp : ", 0), 0u);
  EXPECT_TRUE(Has(f, L"\n\nExif\n - Shooted : 2020:01:02 03:04:05\n - Maker : Maker X\n\nArchive : 2.05K bytes "
                     L"(2048 bytes)\n\nLoader : Internal Loader\n\nFrame Count : 12\nLoop : Infinite"));
  EXPECT_FALSE(Has(f, L"Rendered"));
  f.loopCount = 3;
  EXPECT_TRUE(Has(f, L"\nLoop : 3"));
  f.exif = ExifTexts{};
  f.exif.hasExif = true;  // with every text empty there is no Exif section
  EXPECT_FALSE(Has(f, L"Exif"));
}

TEST(InformationText, ZoomUsesTheShownWidthAfterAQuarterTurnAndNeverDividesByZero) {
  InformationFacts f = Facts();
  f.rotation = 1;  // 400 x 200 shown 200 wide
  EXPECT_TRUE(Has(f, L"Zoom Ratio : 100 % (200 x 100px)"));
  f.width = f.height = f.rotation = 0;
  EXPECT_TRUE(Has(f, L"Zoom Ratio : 0 % "));
}

TEST(InformationText, TimesBefore1970OrOutOfRangeDoNotCrash) {
  for (std::int64_t s : std::initializer_list<std::int64_t>{-1, -86400LL * 365 * 100, 1LL << 40, INT64_MAX, INT64_MIN}) {
    const std::wstring text = LocalTimestampText(s);
    EXPECT_TRUE(text.empty() || text.size() == 24u) << s;
  }
  InformationFacts f = Facts();
  f.time = INT64_MIN;
  EXPECT_TRUE(Has(f, L"\nTimestamp : \nPicture Size"));
}
