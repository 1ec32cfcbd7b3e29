#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "imaging/foreign_call_guard.h"

using tv::RunGuarded;

namespace {
int* volatile nowhere = nullptr;  // volatile so the compiler keeps the faulting store
__attribute__((noinline)) void WriteThroughNull() { *nowhere = 42; }
__attribute__((noinline)) int DivideBy(int divisor) {
  volatile int d = divisor;
  return 100 / d;
}
}  // namespace

TEST(ForeignCallGuard, AccessViolationFailsOnlyThatCall) {
  int before = 0, after = 0;
  EXPECT_FALSE(RunGuarded([&] {
    before = 1;
    WriteThroughNull();
    after = 1;
  }));
  EXPECT_EQ(before * 10 + after, 10);
  for (int i = 0; i < 50; ++i) ASSERT_FALSE(RunGuarded([] { WriteThroughNull(); }));
  volatile int result = 0;
  EXPECT_FALSE(RunGuarded([&] { result = DivideBy(0); }));
  EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("decoder gave up"); }));
  EXPECT_TRUE(RunGuarded([&] { result = DivideBy(4); }));
  EXPECT_EQ(result, 25);
  // A finished guard leaves later faults to other handlers.
  EXPECT_TRUE(::IsBadReadPtr(nullptr, 4));
}

TEST(ForeignCallGuard, NestedAndParallelGuardsRecoverTheirOwnCall) {
  bool inner = true, outerContinued = false;
  EXPECT_TRUE(RunGuarded([&] {
    inner = RunGuarded([] { WriteThroughNull(); });
    outerContinued = true;
  }));
  EXPECT_FALSE(inner);
  EXPECT_TRUE(outerContinued);
  std::atomic<int> failed{0};
  auto worker = [&] {
    for (int i = 0; i < 20; ++i) failed += !RunGuarded([] { WriteThroughNull(); });
  };
  std::thread a(worker), b(worker);
  a.join();
  b.join();
  EXPECT_EQ(failed.load(), 40);
}
