#pragma once
// A loader with GDI+ running, on a temporary folder the test writes its
// picture files into.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "tests/support/temp_folder.h"

namespace tvtest {

class LoaderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdiplus.ok());
    loader.SetPictureLock(&lock);
  }
  tv::ImageEntry Entry(const std::wstring& name, const std::string& bytes) {
    EXPECT_FALSE(bytes.empty()) << "the test's own file could not be made";
    tv::ImageEntry entry;
    entry.path = folder.WriteBytes(name, bytes);
    return entry;
  }
  bool Load(const std::wstring& name, const std::string& bytes) {
    tv::ImageEntry entry = Entry(name, bytes);
    return loader.LoadFile(entry);
  }
  int SourceDepth() const {
    BITMAP b{};
    return ::GetObjectW(loader.sourceBitmap(), sizeof b, &b) == sizeof b ? b.bmBitsPixel : 0;
  }
  // 0xRRGGBB of the source bitmap, a top-down 24- or 32-bit one.
  std::uint32_t SourcePixel(int x, int y) const {
    DIBSECTION s{};
    if (::GetObjectW(loader.sourceBitmap(), sizeof s, &s) != sizeof s || s.dsBm.bmBitsPixel % 8) return 0xDEADBEEF;
    ::GdiFlush();
    const auto* pixel = static_cast<const std::uint8_t*>(s.dsBm.bmBits) + y * s.dsBm.bmWidthBytes +
                        x * (s.dsBm.bmBitsPixel / 8);
    return static_cast<std::uint32_t>(pixel[2]) << 16 | pixel[1] << 8 | pixel[0];
  }

  tv::GdiplusSession gdiplus;
  TempFolder folder;
  tv::CriticalSection lock;
  tv::LoadedImage loader;
};

}  // namespace tvtest
