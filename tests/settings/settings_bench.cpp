// Saving and reading a file list of 100,000 entries, as a .tfl file on disk.
#include <windows.h>

#include <string>

#include "settings/list_file.h"
#include "settings/settings_host.h"
#include "tests/bench.h"
#include "util/text.h"

namespace {

class SilentHost final : public tv::SettingsHost {
 public:
  void ShowMessage(const tv::UserMessage& message) override { failed = failed || message.caption != L"Information"; }
  void OfferFirstStartShortcut() override {}
  bool CancelRequested() override { return false; }
  bool failed = false;
};

tv::ImageList HundredThousandEntries() {
  tv::ImageList list;
  list.reserve(100'000);
  for (int i = 0; i < 100'000; ++i) {
    tv::ImageEntry entry{L"C:\\Users\\someone\\Pictures\\2026\\folder" + tv::DecimalInt(i / 1000) + L"\\IMG_" +
                             tv::DecimalInt(i) + (i % 100 == 0 ? L".zip" : L".jpg"),
                         1'700'000'000 + i, static_cast<std::uint32_t>(100'000 + i), i % 4, {}};
    if (i % 100 == 0)  // one archive in a hundred, with a few members
      for (int k = 0; k < 5; ++k) entry.members.push_back({L"inner\\" + tv::DecimalInt(k) + L".png", k, 10, 0, {}});
    list.push_back(std::move(entry));
  }
  return list;
}

}  // namespace

TV_BENCH(TflFile100k) {
  wchar_t temp[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"tvbench-" + tv::DecimalInt(::GetCurrentProcessId()) + L".tfl";
  const tv::ImageList list = HundredThousandEntries();
  SilentHost host;

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

  size_t members = 0;
  for (const tv::ImageEntry& entry : read) members += entry.members.size();
  if (!saved || host.failed || !loaded || read.size() != list.size() || members != 5'000)
    tvbench::Report("tfl_round_trip_wrong", static_cast<double>(read.size()), "entries");
}
