#include <cstddef>
#include <cstdint>

#include "imaging/exif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tv::ExifTexts texts;
  const bool ok = tv::ParseExifTexts(data, size, texts);
  if (ok == texts.failed) __builtin_trap();
  if (texts.maker.size() > 256 || texts.model.size() > 256) __builtin_trap();
  const int rotation = tv::ExifOrientationFromJpeg(data, size);
  if (rotation < 0 || rotation > 3) __builtin_trap();
  return 0;
}
