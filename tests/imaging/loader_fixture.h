#pragma once
// A loader with GDI+ running, on a temporary folder the test writes its
// picture files into.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  // 0xRRGGBB of the picture as decoded, whoever holds its pixels.
  std::uint32_t SourcePixel(int x, int y) const {
    int width = 0, height = 0;
    if (!loader.SourceSize(width, height) || x >= width || y >= height) return 0xDEADBEEF;
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (!loader.ReadSourceRows(rows.data())) return 0xDEADBEEF;
    return rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] & 0xFFFFFF;
  }
  // Bits a pixel of the source bitmap; 0 when the picture has none of its own.
  int SourceDepth() const {
    BITMAP b{};
    return ::GetObjectW(loader.sourceBitmap(), sizeof b, &b) == sizeof b ? b.bmBitsPixel : 0;
  }

  tv::GdiplusSession gdiplus;
  TempFolder folder;
  tv::CriticalSection lock;
  tv::LoadedImage loader;
};

}  // namespace tvtest
