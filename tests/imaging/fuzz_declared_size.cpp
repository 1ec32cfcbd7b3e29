// Declared sides are never 0, whatever the header says.
#include <cstddef>
#include <cstdint>

#include "imaging/declared_size.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto declared = tv::ReadDeclaredSize(data, size);
  if (declared && (declared->width == 0 || declared->height == 0)) __builtin_trap();
  if (declared) (void)tv::DecodeFitsIn(*declared, 12, 1u << 30);
  return 0;
}
