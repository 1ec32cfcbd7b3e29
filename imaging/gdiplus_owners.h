#pragma once
// Owners for GDI+: the library session and the flat-API objects the loader
// holds.
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

// GDI+ started for the owner's lifetime; every GDI+ object must be gone
// before it ends.
class GdiplusSession {
 public:
  GdiplusSession() noexcept {
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
  }
  bool ok() const noexcept { return ok_; }

 private:
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

}  // namespace tv
