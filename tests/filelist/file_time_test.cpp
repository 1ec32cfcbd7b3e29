#include "filelist/file_time.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(FileTime, ConvertsToWholeSecondsSince1970) {
  constexpr std::uint64_t kEpochTicks = 11'644'473'600ull * 10'000'000ull;
  struct Case {
    std::uint64_t ticks;
    std::int64_t seconds;
  } cases[] = {
      {kEpochTicks, 0},
      {kEpochTicks + 9'999'999, 0},                           // fractions are dropped
      {kEpochTicks + 1'000'000'000ull * 10'000'000ull, 1'000'000'000},
      {kEpochTicks - 1, -1},                                   // before 1970 rounds down, not toward zero
      {0, -11'644'473'600},
      {0xFFFFFFFFFFFFFFFFull, 1'844'674'407'370 - 11'644'473'600},
  };
  for (const auto& c : cases) EXPECT_EQ(FileTimeToUnixSeconds(c.ticks), c.seconds) << c.ticks;
}
