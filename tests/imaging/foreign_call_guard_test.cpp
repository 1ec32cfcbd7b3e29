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

#if defined(__i386__)
namespace {
// 32-bit foreign code (GDI+, plug-ins) links handler records into the thread's
// chain at FS:[0] from its own stack frames, as these two do.
EXCEPTION_REGISTRATION_RECORD* ThreadHandlerChain() {
  EXCEPTION_REGISTRATION_RECORD* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}
void SetThreadHandlerChain(EXCEPTION_REGISTRATION_RECORD* head) {
  asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory");
}
int innerHandlerCalls = 0;
int outerHandlerCalls = 0;
constexpr DWORD kProbeException = 0xE0000042;

EXCEPTION_DISPOSITION NTAPI InnerHandler(EXCEPTION_RECORD*, void*, CONTEXT*, void*) {
  ++innerHandlerCalls;
  return ExceptionContinueSearch;
}
EXCEPTION_DISPOSITION NTAPI OuterHandler(EXCEPTION_RECORD* record, void*, CONTEXT*, void*) {
  if (record->ExceptionCode != kProbeException) return ExceptionContinueSearch;
  ++outerHandlerCalls;
  return ExceptionContinueExecution;
}
}  // namespace

TEST(ForeignCallGuard, FaultUnderForeignHandlerRecordsLeavesTheThreadsChainUsable) {
  EXCEPTION_REGISTRATION_RECORD outer{};
  outer.Next = ThreadHandlerChain();
  outer.Handler = &OuterHandler;
  SetThreadHandlerChain(&outer);
  innerHandlerCalls = outerHandlerCalls = 0;

  EXPECT_FALSE(RunGuarded([] {
    EXCEPTION_REGISTRATION_RECORD inner{};
    inner.Next = ThreadHandlerChain();
    inner.Handler = &InnerHandler;
    SetThreadHandlerChain(&inner);
    WriteThroughNull();
    SetThreadHandlerChain(inner.Next);
  }));
  EXCEPTION_REGISTRATION_RECORD* const head = ThreadHandlerChain();
  if (head != &outer) SetThreadHandlerChain(&outer);  // so the test itself can go on
  EXPECT_EQ(head, &outer) << "the abandoned record is still linked";

  // The next exception on this thread reaches the outer record and nothing else.
  ::RaiseException(kProbeException, 0, 0, nullptr);
  EXPECT_EQ(outerHandlerCalls, 1);
  EXPECT_EQ(innerHandlerCalls, 0);
  SetThreadHandlerChain(outer.Next);
}
#endif
