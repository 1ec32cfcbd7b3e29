#include "imaging/memory_budget.h"

#include <windows.h>

#include <algorithm>

namespace tv {

namespace {
std::uint64_t fixedForTesting = 0;
}  // namespace

void SetAvailableDecodeMemoryForTesting(std::uint64_t bytes) { fixedForTesting = bytes; }

std::uint64_t AvailableDecodeMemory() {
  if (fixedForTesting) return fixedForTesting;
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  // Without an answer nothing is refused: the decoders' own failures remain.
  if (!::GlobalMemoryStatusEx(&status)) return ~std::uint64_t{0};
  return std::min(status.ullAvailVirtual, status.ullAvailPageFile);
}

bool DecodeCanFit(DeclaredSize size, std::uint32_t bytesPerPixel) {
  return DecodeFitsIn(size, bytesPerPixel, AvailableDecodeMemory());
}

}  // namespace tv
