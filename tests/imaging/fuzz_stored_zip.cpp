// Every listed member must lie wholly inside the input.
#include <cstddef>
#include <cstdint>

#include "imaging/stored_zip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<tv::ZipMember> members;
  tv::ParseStoredZip(data, size, members, tv::DecodeZipNameLatin1);
  for (const auto& m : members) {
    if (m.data < data || m.data + m.size >= data + size) __builtin_trap();
    volatile std::uint8_t sink = 0;
    for (std::uint32_t i = 0; i < m.size; ++i) sink = sink ^ m.data[i];
  }
  return 0;
}
