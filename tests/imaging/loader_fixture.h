#pragma once
// Shared set-up of the loader tests: GDI+ running, a temporary folder and a
// loader configured as the main window configures it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"

namespace tvtest {

class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdiplus.ok());
    loader.SetPictureLock(&lock);
  }

  tv::ImageEntry Entry(const std::wstring& name, const std::string& bytes) {
    tv::ImageEntry entry;
    entry.path = folder.WriteBytes(name, bytes);
    return entry;
  }

  // Colour (0xRRGGBB, alpha dropped) of a source bitmap pixel.
  std::uint32_t SourcePixel(int x, int y) const {
    DIBSECTION section{};
    if (::GetObjectW(loader.sourceBitmap(), sizeof section, &section) != sizeof section) return 0xDEADBEEF;
    // Every source bitmap of the loader is top-down.
    const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
    const auto* p = bits + static_cast<std::size_t>(y) * section.dsBm.bmWidthBytes + x * 4;
    return (p[2] << 16) | (p[1] << 8) | p[0];
  }

  // Colour of a pixel of the scaled (display) bitmap.
  std::uint32_t ScaledPixel(int x, int y) const {
    const auto* bits = static_cast<const std::uint8_t*>(loader.scaledPixels());
    const auto* p = bits + (static_cast<std::size_t>(y) * loader.scaledAllocatedWidth() + x) * 4;
    return (p[2] << 16) | (p[1] << 8) | p[0];
  }

  tv::GdiplusSession gdiplus;
  TempFolder folder;
  tv::CriticalSection lock;
  tv::LoadedImage loader;
};

// Each channel within `tolerance` (lossy formats).
inline bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

}  // namespace tvtest
