#include <gtest/gtest.h>

#include "imaging/exif.h"
#include "tools/sample_files.h"

using namespace tv;
using tvtest::Bytes;

namespace {

// SOI, an optional JFIF segment, `segment`, then filler for the picture data.
std::string FakeJpeg(const std::string& segment, std::size_t jfifLength = 0) {
  std::string out = "\xFF\xD8";
  if (jfifLength) {
    out += "\xFF\xE0";
    tvtest::PutU16(out, static_cast<std::uint16_t>(jfifLength), true);
    out += std::string("JFIF\0", 5) + std::string(jfifLength - 7, '\0');
  }
  return out + segment + "\xFF\xDB" + std::string(600, '\x11');
}

tvtest::ExifFields Camera(bool bigEndian, int orientation = 6) {
  return {bigEndian, orientation, "Ab", "Model Nine", "2021:02:03 04:05:06", "2020:01:02 03:04:05"};
}

ExifTexts Parse(const std::string& bytes) {
  ExifTexts texts;
  texts.maker = L"stale";
  EXPECT_TRUE(ParseExifTexts(Bytes(bytes), bytes.size(), texts));
  return texts;
}

int Orientation(const std::string& jpeg) { return ExifOrientationFromJpeg(Bytes(jpeg), jpeg.size()); }

}  // namespace

TEST(ParseExifTexts, ReadsAllFourTextsFromJpegsAndTiffsInBothByteOrders) {
  for (bool bigEndian : {false, true})
    for (const std::string& file : {FakeJpeg(tvtest::MakeExifSegment(Camera(bigEndian))),
                                    tvtest::MakeTiffExifBlock(Camera(bigEndian)) + std::string(100, '\0')}) {
      const ExifTexts t = Parse(file);
      EXPECT_TRUE(t.hasExif);
      EXPECT_FALSE(t.failed);
      EXPECT_EQ(t.maker + L"|" + t.model + L"|" + t.rendered + L"|" + t.shooted,
                L"Ab|Model Nine|2021:02:03 04:05:06|2020:01:02 03:04:05");
    }
}

TEST(ParseExifTexts, ExifIsReadOnlyFirstOrRightAfterANearJfif) {
  const std::string segment = tvtest::MakeExifSegment(Camera(false));
  EXPECT_EQ(Parse(FakeJpeg(segment, 16)).model, L"Model Nine");
  EXPECT_EQ(Parse(FakeJpeg(segment, 2038 - 4)).model, L"Model Nine");
  EXPECT_TRUE(Parse(FakeJpeg(segment, 2039 - 4)).model.empty());  // the next marker at 2,039 is too far
  std::string icc = "\xFF\xD8\xFF\xE2";
  tvtest::PutU16(icc, 8, true);
  EXPECT_TRUE(Parse(icc + std::string("ICC_P\0", 6) + segment + std::string(600, '\0')).model.empty());
  for (const std::string& none : {FakeJpeg(""), std::string("II\x2B\0rest", 8), std::string(10, 'z')}) {
    const ExifTexts t = Parse(none);
    EXPECT_FALSE(t.hasExif);
    EXPECT_TRUE(t.maker.empty());
  }
}

TEST(ParseExifTexts, TruncatedOrOutOfRangeBlockFails) {
  const std::string tiff = tvtest::MakeTiffExifBlock(Camera(false));
  int failures = 0;
  for (std::size_t n = 0; n < tiff.size(); ++n) {
    ExifTexts t;
    if (!ParseExifTexts(Bytes(tiff), n, t)) {
      ++failures;
      EXPECT_TRUE(t.failed) << n;
    }
  }
  EXPECT_GT(failures, 0);
  std::string bad = tiff;
  bad.replace(4, 4, "\xF0\xFF\xFF\x7F");
  ExifTexts t;
  EXPECT_FALSE(ParseExifTexts(Bytes(bad), bad.size(), t));
}

TEST(ExifOrientationFromJpeg, NeedsExifAsTheFirstSegmentAndEnoughData) {
  const std::string jpeg = FakeJpeg(tvtest::MakeExifSegment(Camera(true)));
  EXPECT_EQ(Orientation(jpeg), 1);
  EXPECT_EQ(Orientation(FakeJpeg(tvtest::MakeExifSegment(Camera(false, 8)), 0)), 3);
  EXPECT_EQ(Orientation(FakeJpeg(tvtest::MakeExifSegment(Camera(false)), 16)), 0);
  EXPECT_EQ(Orientation(FakeJpeg(tvtest::MakeExifSegment(Camera(false, 0)))), 0);
  EXPECT_EQ(ExifOrientationFromJpeg(Bytes(jpeg), 255), 0);
  for (std::size_t n = 0; n < jpeg.size(); n += 7) (void)ExifOrientationFromJpeg(Bytes(jpeg), n);
}
