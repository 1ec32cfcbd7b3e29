#include "imaging/foreign_call_guard.h"

#include <windows.h>

#include <cstdint>
#include <mutex>

namespace tv {

namespace {

// The recovery point of the innermost guarded call of this thread.
struct RecoveryPoint {
  void* jump[5];  // __builtin_setjmp buffer
  RecoveryPoint* outer;
  void* handlerChain;  // the thread's exception-handler records at entry (32-bit)
};

thread_local RecoveryPoint* innermost = nullptr;

bool IsRecoverableFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
      return true;
    default:
      return false;
  }
}

#if defined(_M_IX86) || defined(__i386__)
// 32-bit code links exception-handler records, kept in its stack frames, into
// a per-thread chain (FS:[0]) and unlinks them on the way out. The recovery
// jump leaves such frames without unlinking, so the chain is put back to what
// it was at the guard's entry; otherwise the next exception on this thread
// would walk records in abandoned stack.
void* ThreadHandlerChain() {
  void* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}
void SetThreadHandlerChain(void* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }
#else
// 64-bit code finds its handlers from unwind tables: there is no chain.
void* ThreadHandlerChain() { return nullptr; }
void SetThreadHandlerChain(void*) {}
#endif

// Entered in place of the faulting instruction, on a fresh stack area below
// the fault; unwinds nothing and continues at the recovery point.
[[noreturn]] void ResumeAtRecoveryPoint() {
  __builtin_longjmp(innermost->jump, 1);
}

LONG CALLBACK FaultHandler(EXCEPTION_POINTERS* info) noexcept {
  if (!innermost || !IsRecoverableFault(info->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
  CONTEXT* context = info->ContextRecord;
  // Leave the exception dispatcher normally and land in ResumeAtRecoveryPoint
  // as if it had been called: 16-byte aligned stack minus a return address.
#if defined(_M_X64) || defined(__x86_64__)
  std::uintptr_t sp = (static_cast<std::uintptr_t>(context->Rsp) - 512) & ~std::uintptr_t{15};
  context->Rsp = sp - sizeof(void*);
  context->Rip = reinterpret_cast<std::uintptr_t>(&ResumeAtRecoveryPoint);
#elif defined(_M_IX86) || defined(__i386__)
  std::uintptr_t sp = (static_cast<std::uintptr_t>(context->Esp) - 512) & ~std::uintptr_t{15};
  context->Esp = static_cast<DWORD>(sp - sizeof(void*));
  context->Eip = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(&ResumeAtRecoveryPoint));
#else
#error "unsupported processor"
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

void InstallHandlerOnce() {
  static std::once_flag once;
  std::call_once(once, [] { ::AddVectoredExceptionHandler(1, FaultHandler); });
}

// Kept out of line so its frame is the one __builtin_setjmp records.
__attribute__((noinline)) bool RunAtRecoveryPoint(RecoveryPoint& point, void (*call)(void*), void* context) {
  point.handlerChain = ThreadHandlerChain();
  if (__builtin_setjmp(point.jump)) {
    // Arrived here from ResumeAtRecoveryPoint.
    SetThreadHandlerChain(point.handlerChain);
    innermost = point.outer;
    return false;
  }
  innermost = &point;
  bool ok = true;
  try {
    call(context);
  } catch (...) {
    ok = false;
  }
  innermost = point.outer;
  return ok;
}

}  // namespace

bool CallGuarded(void (*call)(void* context), void* context) noexcept {
  InstallHandlerOnce();
  RecoveryPoint point{};
  point.outer = innermost;
  return RunAtRecoveryPoint(point, call, context);
}

}  // namespace tv
