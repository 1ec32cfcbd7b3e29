#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "imaging/information_text.h"

using namespace tv;

namespace {
InformationFacts Facts() {
  InformationFacts f;
  f.shownPath = L"C:\\pics\\a.jpg";
  f.time = 0;
  f.fileSize = 1234567;
  f.width = 400;
  f.height = 200;
  f.displayWidth = 200;
  f.displayHeight = 100;
  f.loaderName = L"Internal Loader";
  return f;
}
}  // namespace

TEST(VersionText, FourNumbersInOrder) {
  EXPECT_EQ(VersionText({2, 5, 0, 7}), L"version 2.5.0.7");
}

TEST(InformationText, PlainPictureLines) {
  const InformationFacts f = Facts();
  const std::wstring expected = L"C:\\pics\\a.jpg\n\nTimestamp : " + LocalTimestampText(0) +
                                L"\nPicture Size : 400 x 200 px\nZoom Ratio : 50 % (200 x 100px)"
                                L"\nFilze Size : 1.23M bytes (1234567 bytes)\n\nLoader : Internal Loader";
  EXPECT_EQ(InformationText(f), expected);
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
  const std::wstring text = InformationText(f);
  EXPECT_EQ(text.rfind(L"C:\\pics\\a.jpg\nC:\\pics\\set.zip\n\nTimestamp : ", 0), 0u);
  EXPECT_NE(text.find(L"\n\nExif\n - Shooted : 2020:01:02 03:04:05\n - Maker : Maker X\n\nArchive : 2.05K bytes "
                      L"(2048 bytes)\n\nLoader : Internal Loader\n\nFrame Count : 12\nLoop : Infinite"),
            std::wstring::npos);
  EXPECT_EQ(text.find(L"Rendered"), std::wstring::npos);
  f.loopCount = 3;
  EXPECT_NE(InformationText(f).find(L"\nLoop : 3"), std::wstring::npos);
  // has-Exif with all texts empty shows no Exif section
  f.exif = ExifTexts{};
  f.exif.hasExif = true;
  EXPECT_EQ(InformationText(f).find(L"Exif"), std::wstring::npos);
}

TEST(InformationText, ZoomUsesTheShownWidthAfterAQuarterTurnAndNeverDividesByZero) {
  InformationFacts f = Facts();
  f.rotation = 1;  // 400 x 200 shown as 200 wide; display 200 wide = 100 %
  EXPECT_NE(InformationText(f).find(L"Zoom Ratio : 100 % (200 x 100px)"), std::wstring::npos);
  f.width = 0;
  f.height = 0;
  f.rotation = 0;
  EXPECT_NE(InformationText(f).find(L"Zoom Ratio : 0 % "), std::wstring::npos);
}

TEST(LocalTimestampText, FormatsLocalTimeWithEnglishDayNames) {
  std::tm t{};
  t.tm_year = 124;
  t.tm_mon = 0;
  t.tm_mday = 31;
  t.tm_hour = 13;
  t.tm_min = 45;
  t.tm_sec = 7;
  t.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&t);
  EXPECT_EQ(LocalTimestampText(seconds), L"2024-01-31(Wed) 13:45:07");
}

TEST(LocalTimestampText, OutOfRangeTimesDoNotCrash) {
  for (std::int64_t s : {std::int64_t{-1}, std::int64_t{-86400LL * 365 * 100}, std::int64_t{1LL << 40},
                         std::int64_t{INT64_MAX}, std::int64_t{INT64_MIN}}) {
    const std::wstring text = LocalTimestampText(s);
    EXPECT_TRUE(text.empty() || text.size() == 24u) << s;
  }
  InformationFacts f = Facts();
  f.time = INT64_MIN;
  EXPECT_NE(InformationText(f).find(L"\nTimestamp : \nPicture Size"), std::wstring::npos);
}
