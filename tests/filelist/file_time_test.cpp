#include "filelist/file_time.h"

#include <gtest/gtest.h>

TEST(FileTime, ConvertsToWholeSecondsSince1970) {
  constexpr std::uint64_t kEpoch = 11'644'473'600ull * 10'000'000ull;
  const std::pair<std::uint64_t, std::int64_t> cases[] = {
      {kEpoch, 0},  {kEpoch + 9'999'999, 0},  // fractions are dropped
      {kEpoch - 1, -1},                         // before 1970 rounds down, not toward zero
      {0, -11'644'473'600}, {0xFFFFFFFFFFFFFFFFull, 1'844'674'407'370 - 11'644'473'600}};
  for (const auto& [ticks, seconds] : cases) EXPECT_EQ(tv::FileTimeToUnixSeconds(ticks), seconds) << ticks;
}
