#pragma once
// Reads the little metadata the viewer shows straight from a file's bytes:
// four Exif texts and the Exif orientation. Works on JPEG files (APP1 "Exif"
// segment, possibly after a JFIF segment) and on TIFF files (their own header).
#include <cstddef>
#include <cstdint>
#include <string>

namespace tv {

struct ExifTexts {
  std::wstring shooted;   // DateTimeOriginal
  std::wstring rendered;  // DateTime
  std::wstring maker;     // Make
  std::wstring model;     // Model
  bool hasExif = false;
  bool failed = false;  // a read ran past the data; texts read before it are kept
};

// Fills `texts` from scratch. False only when a read failed.
bool ParseExifTexts(const std::uint8_t* data, std::size_t size, ExifTexts& texts);

// Exif orientation of a JPEG whose first segment is an APP1 Exif block, as a
// rotation code (0..3); 0 when there is none.
int ExifOrientationFromJpeg(const std::uint8_t* data, std::size_t size);

// Exif orientation value (1..8) to rotation code: 3 -> 2, 6 -> 1, 8 -> 3,
// everything else -> 0.
int RotationFromExifOrientation(unsigned orientation);

}  // namespace tv
