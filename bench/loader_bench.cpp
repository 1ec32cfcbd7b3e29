// Load-and-fit time of big pictures against GDI+'s own decode time, and the
// memory a load needs per picture pixel.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "bench/bench.h"
#include "tests/imaging/picture_files.h"

namespace {

constexpr int kWidth = 6000, kHeight = 4000;
constexpr double kPixels = double(kWidth) * kHeight;

std::uint32_t Gradient(int x, int y) {
  return 0xFF000000u | (static_cast<std::uint32_t>(x * 255 / kWidth) << 16) |
         (static_cast<std::uint32_t>(y * 255 / kHeight) << 8) | static_cast<std::uint32_t>((x ^ y) & 0xFF);
}

// GDI+ alone: the file from a stream, then its pixels.
double GdiplusDecodeSeconds(const std::string& bytes) {
  using namespace Gdiplus::DllExports;
  tvbench::Stopwatch watch;
  tv::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  std::memcpy(tv::GlobalLock(memory.get()).get(), bytes.data(), bytes.size());
  tv::ComPtr<IStream> stream;
  ::CreateStreamOnHGlobal(memory.get(), FALSE, stream.put());
  Gdiplus::GpBitmap* bitmap = nullptr;
  GdipCreateBitmapFromStream(stream.get(), &bitmap);
  tv::UniqueGpImage owner(bitmap);
  Gdiplus::Rect all(0, 0, kWidth, kHeight);
  Gdiplus::BitmapData data{};
  if (GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) == Gdiplus::Ok)
    GdipBitmapUnlockBits(bitmap, &data);
  return watch.Seconds();
}

std::size_t WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// LoadFile and Transform to a 1920 x 1080 fit; the seconds taken (negative on
// failure) and the working set's peak growth.
double LoadAndFit(const std::wstring& path, std::size_t& peakGrowth) {
  tv::LoadedImage loader;
  const std::size_t before = WorkingSet();
  std::atomic<bool> done{false};
  std::atomic<std::size_t> peak{before};
  std::thread watcher([&] {
    for (; !done; ::Sleep(1)) peak = std::max(peak.load(), WorkingSet());
  });
  tvbench::Stopwatch watch;
  tv::ImageEntry entry;
  entry.path = path;
  bool ok = loader.LoadFile(entry);
  const double scale = std::min(1920.0 / loader.width(), 1080.0 / loader.height());
  loader.SetTargetSize(static_cast<int>(loader.width() * scale), static_cast<int>(loader.height() * scale));
  ok = ok && loader.Transform();
  const double seconds = watch.Seconds();
  peak = std::max(peak.load(), WorkingSet());
  done = true;
  watcher.join();
  peakGrowth = peak - before;
  return ok ? seconds : -1;
}

void Compare(const wchar_t* mime, const wchar_t* name, const std::string& label, double& peakPerPixel) {
  const std::string bytes = tvtest::EncodeWithGdiplus(kWidth, kHeight, Gradient, mime);
  if (bytes.empty()) return tvbench::Report("encode_failed_" + label, 1, "flag");
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + name;
  {
    tv::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  // Best of three each, alternating, so both see the same machine load.
  double loader = 1e9, gdiplus = 1e9, peak = 0;
  for (int round = 0; round < 3; ++round) {
    gdiplus = std::min(gdiplus, GdiplusDecodeSeconds(bytes));
    std::size_t growth = 0;
    const double seconds = LoadAndFit(path, growth);
    if (seconds < 0) tvbench::Report("load_failed_" + label, 1, "flag");
    else loader = std::min(loader, seconds);
    peak = std::max(peak, growth / kPixels);
  }
  ::DeleteFileW(path.c_str());
  peakPerPixel = std::max(peakPerPixel, peak);
  tvbench::Report("peak_bytes_per_pixel_" + label, peak, "bytes");
  tvbench::Report("file_bytes_per_pixel_" + label, bytes.size() / kPixels, "bytes");
  tvbench::Report("load_transform_vs_gdiplus_ratio_" + label, loader / gdiplus, "ratio");
  tvbench::Report("load_transform_ms_" + label, loader * 1000, "ms");
  tvbench::Report("gdiplus_decode_ms_" + label, gdiplus * 1000, "ms");
}

}  // namespace

TV_BENCH(LoadTransformVsGdiplus) {
  tv::GdiplusSession gdiplus;
  double peakPerPixel = 0;
  Compare(L"image/jpeg", L"taverlune_bench.jpg", "jpeg", peakPerPixel);
  Compare(L"image/png", L"taverlune_bench.png", "png", peakPerPixel);
  tvbench::Report("peak_bytes_per_pixel", peakPerPixel, "bytes");
}
