// Saving and reading a .tfl file of 100,000 entries, one in a hundred an
// archive with five members.
#include <windows.h>

#include <string>

#include "settings/list_file.h"
#include "bench/bench.h"
#include "tests/settings/test_support.h"
#include "util/text.h"

TV_BENCH(TflFile100k) {
  tv::ImageList list;
  for (int i = 0; i < 100'000; ++i) {
    list.push_back({L"C:\\Users\\someone\\Pictures\\2026\\folder" + tv::DecimalInt(i / 1000) + L"\\IMG_" +
                        tv::DecimalInt(i) + (i % 100 == 0 ? L".zip" : L".jpg"),
                    1'700'000'000 + i, static_cast<std::uint32_t>(100'000 + i), i % 4, {}});
    for (int k = 0; i % 100 == 0 && k < 5; ++k) list.back().members.push_back({L"in\\" + tv::DecimalInt(k), k, 10, 0, {}});
  }
  wchar_t temp[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"tvbench-" + tv::DecimalInt(::GetCurrentProcessId()) + L".tfl";
  tvtest::RecordingHost host;

  tvbench::Stopwatch saveWatch;
  const bool saved = tv::SaveListFile(path, list, {5, -1, list[5].path, L""}, host);
  tvbench::Report("tfl_save_ms_100k", saveWatch.Seconds() * 1000, "ms");
  WIN32_FILE_ATTRIBUTE_DATA info{};
  if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info))
    tvbench::Report("tfl_bytes_100k", static_cast<double>(info.nFileSizeLow), "bytes");
  tv::ImageList read;
  tv::ListFilePosition position;
  tvbench::Stopwatch loadWatch;
  const bool loaded = tv::LoadListFile(read, position, path, {});
  tvbench::Report("tfl_load_ms_100k", loadWatch.Seconds() * 1000, "ms");
  ::DeleteFileW(path.c_str());
  if (!saved || !loaded || !tvtest::SameEntries(read, list))
    tvbench::Report("tfl_round_trip_wrong", static_cast<double>(read.size()), "entries");
}
