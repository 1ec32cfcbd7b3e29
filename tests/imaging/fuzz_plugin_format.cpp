#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/plugin_format.h"

// The input is what a plug-in could hand back: the first byte splits it into
// a bitmap header block and a bits block; the whole is also read as a
// file-information array.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tv::ReadFileInfoRecords(data, size);
  if (size < 1) return 0;
  const std::size_t split = std::size_t{data[0]} * 4 < size - 1 ? std::size_t{data[0]} * 4 : size - 1;
  const std::vector<std::uint8_t> header(data + 1, data + 1 + split);
  const std::vector<std::uint8_t> bits(data + 1 + split, data + size);
  tv::PluginBitmapLayout layout;
  if (!tv::ReadPluginBitmapLayout(header.data(), header.size(), bits.size(), layout)) return 0;
  if (static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.height) > (1u << 20)) return 0;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height));
  tv::ConvertPluginBitmap(layout, header.data(), bits.data(), pixels.data());
  return 0;
}
