#pragma once
// Conversion of the file system's time stamps into the list's seconds.
#include <cstdint>

namespace tv {

// A FILETIME value (100 ns units since 1601-01-01 UTC) as whole seconds since
// 1970-01-01 UTC, rounded toward negative infinity.
constexpr std::int64_t FileTimeToUnixSeconds(std::uint64_t fileTime) {
  constexpr std::int64_t kTicksPerSecond = 10'000'000;
  constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
  const auto seconds = static_cast<std::int64_t>(fileTime / kTicksPerSecond);
  return seconds - kSecondsFrom1601To1970;
}

}  // namespace tv
