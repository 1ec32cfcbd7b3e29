#include "tests/support/process_counts.h"

namespace tvtest {

// GDI objects of this process. Wine answers GetGuiResources with 0; its GDI
// table also takes a handle's index alone, so the live objects can be
// counted by asking each index for its type.
DWORD GdiObjectCount() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  DWORD count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

// Kernel handles of this process, counted the same way where Wine answers
// GetProcessHandleCount with 0: each handle value is asked for its flags.
DWORD KernelHandleCount() {
  DWORD reported = 0;
  if (::GetProcessHandleCount(::GetCurrentProcess(), &reported) && reported != 0) return reported;
  DWORD count = 0, flags = 0;
  for (ULONG_PTR value = 4; value < 0x20000; value += 4)
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  return count;
}

}  // namespace tvtest
