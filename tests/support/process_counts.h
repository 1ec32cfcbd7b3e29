#pragma once
// Counts of this process's GDI objects and kernel handles, for leak checks.
#include <windows.h>

namespace tvtest {

DWORD GdiObjectCount();
DWORD KernelHandleCount();

}  // namespace tvtest
