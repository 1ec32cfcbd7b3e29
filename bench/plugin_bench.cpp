// The plug-in path's cost on top of the plug-in's own decode: a 12-megapixel
// PPM loaded through LoadFile against the same plug-in's GetPicture alone,
// and the same picture as a BMP through the internal loader.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"
#include "tools/sample_files.h"
#include "util/file_system.h"

namespace {

constexpr int kWidth = 4000, kHeight = 3000;

std::uint32_t Pattern(int x, int y, void*) {
  return static_cast<std::uint32_t>(x * 255 / kWidth) << 16 | static_cast<std::uint32_t>(y * 255 / kHeight) << 8 |
         static_cast<std::uint32_t>((x ^ y) & 0xFF);
}

std::wstring PluginFolder() {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring path = module;
  return path.substr(0, path.rfind(L'\\') + 1) + L"plugins";
}

// The plug-in alone: GetPicture on the bytes in memory, handles freed after.
double OwnDecodeSeconds(const std::string& bytes) {
  tv::UniqueModule module(::LoadLibraryW((PluginFolder() + L"\\ppm.spi").c_str()));
  decltype(tv::PluginRecord::GetPicture) getPicture = nullptr;
  const FARPROC address = module ? ::GetProcAddress(module.get(), "GetPicture") : nullptr;
  if (!address) return -1;
  std::memcpy(&getPicture, &address, sizeof getPicture);
  HLOCAL header = nullptr, bits = nullptr;
  tvbench::Stopwatch watch;
  const int result = getPicture(bytes.data(), static_cast<LONG_PTR>(bytes.size()), tv::kSusieInputMemory, &header,
                                &bits, nullptr, 0);
  const double seconds = watch.Seconds();
  tv::UniqueLocal headerOwner(header), bitsOwner(bits);
  return result == 0 ? seconds : -1;
}

// The host's share without the file: recognition, GetPicture under the
// guard and the checks of what it handed back.
double HostDecodeSeconds(const std::string& bytes) {
  tv::PluginHost host;
  host.LoadPlugins({PluginFolder()});
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  tv::PluginBits picture;
  tvbench::Stopwatch watch;
  const bool decoded = host.FindPlugin(L"big.ppm", data, bytes.size(), false) && host.GetPicture(data, bytes.size(), picture);
  return decoded ? watch.Seconds() : -1;
}

// A failed run (-1) anywhere makes the median fail too.
double Median(std::vector<double> times) {
  if (std::ranges::any_of(times, [](double t) { return t <= 0; })) return -1;
  std::ranges::sort(times);
  return times[times.size() / 2];
}

double LoadSeconds(tv::LoadedImage& loader, const std::wstring& path) {
  tv::ImageEntry entry;
  entry.path = path;
  tvbench::Stopwatch watch;
  const bool loaded = loader.LoadFile(entry);
  return loaded ? watch.Seconds() : -1;
}

// The picture just loaded, scaled to fit a full-HD screen: a plug-in's rows
// are read where they lie, so this is where a slower read would show.
double ScaleSeconds(tv::LoadedImage& loader) {
  loader.SetTargetSize(1440, 1080);
  tvbench::Stopwatch watch;
  const bool scaled = loader.Transform();
  ::GdiFlush();
  return scaled ? watch.Seconds() : -1;
}

}  // namespace

TV_BENCH(PluginOverhead) {
  tv::GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  const std::string ppm = tvtest::MakeNetpbm('6', kWidth, kHeight, Pattern);
  const std::wstring ppmPath = folder.WriteBytes(L"big.ppm", ppm);
  const std::string bmp = tvtest::EncodeWithGdiplus(
      kWidth, kHeight, [](int x, int y) { return 0xFF000000u | Pattern(x, y, nullptr); }, L"image/bmp");
  const std::wstring bmpPath = folder.WriteBytes(L"big.bmp", bmp);

  tv::LoadedImage loader;
  loader.LoadPlugins({PluginFolder()});
  // Interleaved rounds, so a busy moment of the machine hits every figure
  // alike; the median of each, not its best, is what a user would see.
  constexpr int kRounds = 7;
  std::vector<double> ownTimes, hostTimes, pluginTimes, internalTimes, pluginScales, internalScales;
  for (int round = 0; round < kRounds; ++round) {
    ownTimes.push_back(OwnDecodeSeconds(ppm));
    hostTimes.push_back(HostDecodeSeconds(ppm));
    pluginTimes.push_back(LoadSeconds(loader, ppmPath));
    pluginScales.push_back(ScaleSeconds(loader));
    internalTimes.push_back(LoadSeconds(loader, bmpPath));
    internalScales.push_back(ScaleSeconds(loader));
  }
  const double own = Median(ownTimes), host = Median(hostTimes), plugin = Median(pluginTimes),
               internal = Median(internalTimes), pluginScale = Median(pluginScales),
               internalScale = Median(internalScales);
  if (own <= 0 || host <= 0 || plugin <= 0 || internal <= 0 || pluginScale <= 0 || internalScale <= 0) {
    tvbench::Report("plugin_overhead_ratio", -1, "failed");
    return;
  }
  tvbench::Report("plugin_decode_12mp", plugin * 1000, "ms");
  tvbench::Report("plugin_own_decode_12mp", own * 1000, "ms");
  tvbench::Report("plugin_host_decode_12mp", host * 1000, "ms");
  tvbench::Report("internal_bmp_decode_12mp", internal * 1000, "ms");
  tvbench::Report("plugin_scale_12mp", pluginScale * 1000, "ms");
  tvbench::Report("internal_bmp_scale_12mp", internalScale * 1000, "ms");
  tvbench::Report("plugin_overhead_ratio", plugin / own, "ratio");
}
