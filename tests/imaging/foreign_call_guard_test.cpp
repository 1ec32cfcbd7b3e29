#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "imaging/foreign_call_guard.h"

using tv::RunGuarded;

namespace {

// volatile so the compiler keeps the faulting store.
int* volatile nowhere = nullptr;

__attribute__((noinline)) void WriteThroughNull() { *nowhere = 42; }

__attribute__((noinline)) int DivideBy(int divisor) {
  volatile int d = divisor;
  return 100 / d;
}

}  // namespace

TEST(ForeignCallGuard, NormalCallSucceedsAndRunsOnce) {
  int runs = 0;
  EXPECT_TRUE(RunGuarded([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
}

TEST(ForeignCallGuard, AccessViolationFailsOnlyThatCall) {
  int before = 0, after = 0;
  EXPECT_FALSE(RunGuarded([&] {
    before = 1;
    WriteThroughNull();
    after = 1;
  }));
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 0);
  // The process and the guard still work afterwards, many times over.
  for (int i = 0; i < 50; ++i) ASSERT_FALSE(RunGuarded([] { WriteThroughNull(); }));
  int runs = 0;
  EXPECT_TRUE(RunGuarded([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
}

TEST(ForeignCallGuard, DivisionByZeroAndExceptionsFailTheCall) {
  volatile int result = 0;
  EXPECT_FALSE(RunGuarded([&] { result = DivideBy(0); }));
  EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("decoder gave up"); }));
  EXPECT_TRUE(RunGuarded([&] { result = DivideBy(4); }));
  EXPECT_EQ(result, 25);
}

TEST(ForeignCallGuard, NestedGuardsRecoverToTheInnermostCall) {
  bool innerResult = true, outerContinued = false;
  EXPECT_TRUE(RunGuarded([&] {
    innerResult = RunGuarded([] { WriteThroughNull(); });
    outerContinued = true;
  }));
  EXPECT_FALSE(innerResult);
  EXPECT_TRUE(outerContinued);
}

TEST(ForeignCallGuard, EachThreadRecoversOnItsOwnStack) {
  std::atomic<int> failed{0};
  auto worker = [&] {
    for (int i = 0; i < 20; ++i)
      if (!RunGuarded([] { WriteThroughNull(); })) ++failed;
  };
  std::thread a(worker), b(worker);
  a.join();
  b.join();
  EXPECT_EQ(failed.load(), 40);
}

TEST(ForeignCallGuard, FaultOutsideAnyGuardIsLeftToOtherHandlers) {
  // A guard that has finished must not swallow later faults: an access
  // violation outside it reaches the caller's own handling, here a probe
  // that reports unreadable memory.
  EXPECT_TRUE(RunGuarded([] {}));
  EXPECT_TRUE(::IsBadReadPtr(nullptr, 4));
}
