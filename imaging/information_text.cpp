#include "imaging/information_text.h"

#include <cstdio>
#include <ctime>

#include "util/text.h"

namespace tv {

namespace {

bool ToLocalTime(std::int64_t seconds, std::tm& out) {
  // Beyond year 9999 the text format no longer holds; the C libraries also
  // disagree about such values, so refuse them up front.
  constexpr std::int64_t kLimit = 253402300799;  // 9999-12-31 23:59:59
  if (seconds < -kLimit || seconds > kLimit) return false;
  const std::time_t t = static_cast<std::time_t>(seconds);
  if (static_cast<std::int64_t>(t) != seconds) return false;  // 32-bit time_t
#ifdef _WIN32
  return localtime_s(&out, &t) == 0;
#else
  return localtime_r(&t, &out) != nullptr;
#endif
}

std::wstring Plain(std::uint64_t n) { return DecimalInt(static_cast<std::int64_t>(n)); }

}  // namespace

std::wstring VersionText(const ProgramVersion& v) {
  return L"version " + Plain(v.major) + L"." + Plain(v.minor) + L"." + Plain(v.build) + L"." + Plain(v.revision);
}

std::wstring LocalTimestampText(std::int64_t secondsSince1970) {
  std::tm local{};
  if (!ToLocalTime(secondsSince1970, local)) return {};
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  if (local.tm_wday < 0 || local.tm_wday > 6) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d(%s) %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, kDays[local.tm_wday], local.tm_hour, local.tm_min, local.tm_sec);
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::wstring InformationText(const InformationFacts& f) {
  std::wstring text = f.shownPath + L"\n";
  if (f.archivePath) text += *f.archivePath + L"\n";
  text += L"\nTimestamp : " + LocalTimestampText(f.time);
  text += L"\nPicture Size : " + DecimalInt(f.width) + L" x " + DecimalInt(f.height) + L" px";
  // After a quarter turn the display width shows the picture's height.
  const int shownWidth = (f.rotation & 1) ? f.height : f.width;
  const double zoom = shownWidth > 0 ? 100.0 * f.displayWidth / shownWidth : 0.0;
  text += L"\nZoom Ratio : " + DecimalText(zoom) + L" % (" + DecimalInt(f.displayWidth) + L" x " +
          DecimalInt(f.displayHeight) + L"px)";
  text += L"\nFilze Size : " + ShortNumberText(f.fileSize) + L" bytes (" + Plain(f.fileSize) + L" bytes)";
  const ExifTexts& e = f.exif;
  if (e.hasExif && (!e.shooted.empty() || !e.rendered.empty() || !e.maker.empty() || !e.model.empty())) {
    text += L"\n\nExif";
    if (!e.shooted.empty()) text += L"\n - Shooted : " + e.shooted;
    if (!e.rendered.empty()) text += L"\n - Rendered : " + e.rendered;
    if (!e.maker.empty()) text += L"\n - Maker : " + e.maker;
    if (!e.model.empty()) text += L"\n - Model : " + e.model;
  }
  if (f.archivePath)
    text += L"\n\nArchive : " + ShortNumberText(f.archiveSize) + L" bytes (" + Plain(f.archiveSize) + L" bytes)";
  text += L"\n\nLoader : " + f.loaderName;
  if (f.animationKind != 0) {
    text += L"\n\nFrame Count : " + Plain(f.frameCount);
    text += f.loopCount == 0 ? std::wstring(L"\nLoop : Infinite") : L"\nLoop : " + Plain(f.loopCount);
  }
  return text;
}

}  // namespace tv
