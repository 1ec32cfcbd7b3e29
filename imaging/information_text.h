#pragma once
// The text of the file information box, built from plain facts so that it can
// be checked without a window. The main window gathers the facts and shows
// the text in a message box titled "Information".
#include <cstdint>
#include <optional>
#include <string>

#include "imaging/exif.h"

namespace tv {

struct ProgramVersion {
  unsigned major = 0, minor = 0, build = 0, revision = 0;
};

// "version 2.5.0.0": the whole text when no file is shown.
std::wstring VersionText(const ProgramVersion& version);

struct InformationFacts {
  std::wstring shownPath;                  // the shown file, or member inside an archive
  std::optional<std::wstring> archivePath;  // set while an archive is browsed
  std::int64_t time = 0;                   // entry time, seconds since 1970
  std::uint64_t fileSize = 0;
  std::uint64_t archiveSize = 0;
  int width = 0, height = 0;  // of the source picture
  int rotation = 0;           // quarter turns; odd ones swap what the display width measures
  int displayWidth = 0, displayHeight = 0;
  ExifTexts exif;
  std::wstring loaderName;
  int animationKind = 0;
  std::uint32_t frameCount = 0;
  std::uint32_t loopCount = 0;
};

std::wstring InformationText(const InformationFacts& facts);

// "2024-01-31(Wed) 13:45:07" in local time with English day names; empty
// when the time cannot be converted (before 1970 on some systems, or beyond
// what the C library handles).
std::wstring LocalTimestampText(std::int64_t secondsSince1970);

}  // namespace tv
