#pragma once
// Owners for the GDI+ flat-API objects the loader holds.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "util/win_handles.h"

namespace tv {

struct GpImageTraits {  // also holds GpBitmap objects: both are disposed the same way
  using Handle = Gdiplus::GpImage*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { Gdiplus::DllExports::GdipDisposeImage(h); }
};
struct GpGraphicsTraits {
  using Handle = Gdiplus::GpGraphics*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { Gdiplus::DllExports::GdipDeleteGraphics(h); }
};

using UniqueGpImage = UniqueResource<GpImageTraits>;
using UniqueGpGraphics = UniqueResource<GpGraphicsTraits>;

}  // namespace tv
