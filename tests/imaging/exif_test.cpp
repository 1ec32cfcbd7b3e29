#include <gtest/gtest.h>

#include "imaging/exif.h"
#include "tests/support/test_files.h"

using namespace tv;
using tvtest::Bytes;
using tvtest::ExifFields;

namespace {

// A minimal JPEG-looking byte string: SOI, optional JFIF, the segment, then
// filler standing in for the picture data.
std::string FakeJpeg(const std::string& segment, std::size_t jfifLength = 0) {
  std::string out = "\xFF\xD8";
  if (jfifLength) {
    out += "\xFF\xE0";
    tvtest::PutU16(out, static_cast<std::uint16_t>(jfifLength), true);
    out += std::string("JFIF\0", 5);
    out += std::string(jfifLength - 7, '\0');
  }
  out += segment;
  out += "\xFF\xDB";
  out += std::string(600, '\x11');
  return out;
}

ExifFields Camera(bool bigEndian) {
  ExifFields f;
  f.bigEndian = bigEndian;
  f.orientation = 6;
  f.make = "Ab";  // three bytes with the NUL: stored in the entry itself
  f.model = "Model Nine";
  f.dateTime = "2021:02:03 04:05:06";
  f.dateTimeOriginal = "2020:01:02 03:04:05";
  return f;
}

ExifTexts Parse(const std::string& bytes, bool expectOk = true) {
  ExifTexts texts;
  texts.maker = L"stale";
  EXPECT_EQ(ParseExifTexts(Bytes(bytes), bytes.size(), texts), expectOk);
  return texts;
}

}  // namespace

TEST(ParseExifTexts, ReadsAllFourTextsInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    const ExifTexts t = Parse(FakeJpeg(tvtest::MakeExifSegment(Camera(bigEndian))));
    EXPECT_TRUE(t.hasExif);
    EXPECT_FALSE(t.failed);
    EXPECT_EQ(t.maker, L"Ab") << bigEndian;
    EXPECT_EQ(t.model, L"Model Nine");
    EXPECT_EQ(t.rendered, L"2021:02:03 04:05:06");
    EXPECT_EQ(t.shooted, L"2020:01:02 03:04:05");
  }
}

TEST(ParseExifTexts, ExifAfterJfifIsReadButNotAfterAnotherSegmentOrFarJfif) {
  const std::string segment = tvtest::MakeExifSegment(Camera(false));
  EXPECT_EQ(Parse(FakeJpeg(segment, 16)).model, L"Model Nine");
  std::string other = "\xFF\xD8\xFF\xE2";
  tvtest::PutU16(other, 8, true);
  other += "ICC_P\0";
  EXPECT_TRUE(Parse(other + segment.substr(0) + std::string(600, '\0')).model.empty());
  // the JFIF segment pushes the next marker to position 2,039
  EXPECT_TRUE(Parse(FakeJpeg(segment, 2039 - 4)).model.empty());
  EXPECT_EQ(Parse(FakeJpeg(segment, 2038 - 4)).model, L"Model Nine");
}

TEST(ParseExifTexts, TiffFileIsReadFromItsOwnHeader) {
  const std::string tiff = tvtest::MakeTiffExifBlock(Camera(true)) + std::string(100, '\0');
  const ExifTexts t = Parse(tiff);
  EXPECT_EQ(t.maker, L"Ab");
  EXPECT_EQ(t.rendered, L"2021:02:03 04:05:06");
}

TEST(ParseExifTexts, NoExifGivesEmptyTextsAndSuccess) {
  const ExifTexts plain = Parse(FakeJpeg(""));
  EXPECT_FALSE(plain.hasExif);
  EXPECT_TRUE(plain.maker.empty());
  EXPECT_FALSE(Parse(std::string("II\x2B\0rest", 8)).hasExif);  // not 42
  EXPECT_FALSE(Parse(std::string(10, 'z')).hasExif);
}

TEST(ParseExifTexts, TruncatedBlockFailsAndKeepsWhatWasRead) {
  const std::string tiff = tvtest::MakeTiffExifBlock(Camera(false));
  int failures = 0;
  for (std::size_t n = 0; n < tiff.size(); ++n) {
    ExifTexts t;
    if (!ParseExifTexts(Bytes(tiff), n, t)) {
      ++failures;
      EXPECT_TRUE(t.failed);
    }
  }
  EXPECT_GT(failures, 0);
  // an offset pointing far outside the data fails instead of reading there
  std::string bad = tiff;
  bad.replace(4, 4, "\xF0\xFF\xFF\x7F");
  ExifTexts t;
  EXPECT_FALSE(ParseExifTexts(Bytes(bad), bad.size(), t));
}

TEST(ExifOrientationFromJpeg, MapsOrientationValuesInBothByteOrders) {
  const std::pair<int, int> cases[] = {{1, 0}, {3, 2}, {6, 1}, {8, 3}, {2, 0}, {9, 0}};
  for (bool bigEndian : {false, true})
    for (const auto& [orientation, rotation] : cases) {
      ExifFields f = Camera(bigEndian);
      f.orientation = orientation;
      const std::string jpeg = FakeJpeg(tvtest::MakeExifSegment(f));
      EXPECT_EQ(ExifOrientationFromJpeg(Bytes(jpeg), jpeg.size()), rotation) << orientation << bigEndian;
    }
}

TEST(ExifOrientationFromJpeg, NeedsExifAsTheFirstSegmentAndEnoughData) {
  const std::string segment = tvtest::MakeExifSegment(Camera(false));
  const std::string afterJfif = FakeJpeg(segment, 16);
  EXPECT_EQ(ExifOrientationFromJpeg(Bytes(afterJfif), afterJfif.size()), 0);
  const std::string jpeg = FakeJpeg(segment);
  EXPECT_EQ(ExifOrientationFromJpeg(Bytes(jpeg), 255), 0);
  ExifFields none = Camera(false);
  none.orientation = 0;
  const std::string without = FakeJpeg(tvtest::MakeExifSegment(none));
  EXPECT_EQ(ExifOrientationFromJpeg(Bytes(without), without.size()), 0);
  for (std::size_t n = 0; n < jpeg.size(); n += 7) (void)ExifOrientationFromJpeg(Bytes(jpeg), n);
}

TEST(RotationFromExifOrientation, Table) {
  for (unsigned v = 0; v < 12; ++v)
    EXPECT_EQ(RotationFromExifOrientation(v), v == 3 ? 2 : v == 6 ? 1 : v == 8 ? 3 : 0) << v;
}
