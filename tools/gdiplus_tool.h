#pragma once
// Shared by the helper programs in tools/: a GDI+ session and saving 32-bit
// pixels through GDI+'s encoders.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gdiplus_owners.h"

namespace tools {

using tv::GdiplusSession;

// Encoder ids of GDI+'s built-in codecs.
inline CLSID EncoderId(const wchar_t* kind) {
  CLSID id{0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  const std::wstring k = kind;
  if (k == L"jpg") id.Data1 = 0x557CF401;
  else if (k == L"gif") id.Data1 = 0x557CF402;
  else if (k == L"tif") id.Data1 = 0x557CF405;
  else if (k == L"png") id.Data1 = 0x557CF406;
  return id;
}

// pixels: width*height BGRA values, top row first.
inline bool SavePixels(const std::wstring& path, const wchar_t* kind, int width, int height,
                       std::vector<std::uint32_t>& pixels) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                                     reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != Gdiplus::Ok)
    return false;
  const tv::UniqueGpImage owner(bitmap);
  const CLSID encoder = EncoderId(kind);
  return Gdiplus::DllExports::GdipSaveImageToFile(bitmap, path.c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

}  // namespace tools
