#include "imaging/sniff.h"

#include <string_view>

#include "imaging/byte_view.h"

namespace tv {

bool IsGdiplusFormat(const std::uint8_t* data, std::size_t size) {
  const ByteView bytes(data, size);
  return bytes.Matches(0, "BM") || bytes.Matches(0, "\xFF\xD8") || bytes.Matches(1, "PNG") ||
         bytes.Matches(0, "GIF") || bytes.Matches(0, std::string_view("MM\0\x2A", 4)) ||
         bytes.Matches(0, std::string_view("II\x2A\0", 4));
}

}  // namespace tv
