// List building against a bare walk of the same tree; the six sort orders.
#include <windows.h>

#include "filelist/list_builder.h"
#include "filelist/sort_order.h"
#include "bench/bench.h"
#include "tests/support/temp_folder.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace {

void Walk(const std::wstring& folder, std::vector<std::wstring>& out) {
  WIN32_FIND_DATAW found;
  tv::UniqueFind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return;
  std::vector<std::wstring> subfolders;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    auto& into = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? subfolders : out;
    into.push_back(folder + L"\\" + name);
  } while (::FindNextFileW(search.get(), &found));
  for (const auto& sub : subfolders) Walk(sub, out);
}

struct NoListFiles : tv::ListFileReader {
  bool LoadListFile(tv::ImageList&, tv::ListFilePosition&, const std::wstring&) override { return false; }
};

}  // namespace

TV_BENCH(BuildListVersusWalk) {
  tvtest::TempFolder temp;
  const std::wstring root = temp.MakeFolder(L"tree");
  for (int f = 0; f < 1000; ++f) {
    const std::wstring folder = temp.MakeFolder(L"tree\\folder" + tv::DecimalInt(f));
    for (int i = 0; i < 100; ++i)
      tv::UniqueFile(::CreateFileW((folder + L"\\IMG_" + tv::DecimalInt(i) + L".jpg").c_str(), GENERIC_WRITE, 0,
                                   nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  // One untimed pass warms the host's caches for both alike.
  std::vector<std::wstring> walked;
  Walk(root, walked);
  tv::ListSettings settings;
  NoListFiles reader;
  tv::FolderScanner scanner;
  double walkSeconds = 1e9, buildSeconds = 1e9;
  size_t built = 0;
  for (int round = 0; round < 3; ++round) {
    walked.clear();
    tvbench::Stopwatch walkWatch;
    Walk(root, walked);
    walkSeconds = std::min(walkSeconds, walkWatch.Seconds());
    tv::ImageList out;
    std::vector<std::wstring> paths = {root};
    tv::BuildListPosition position;
    std::wstring tfl;
    tvbench::Stopwatch buildWatch;
    tv::BuildList(out, paths, +1, position, tfl, tv::ListBuildContext{settings, reader, scanner});
    buildSeconds = std::min(buildSeconds, buildWatch.Seconds());
    built = out.size();
  }
  tvbench::Report("walk_100k_files_ms", walkSeconds * 1000, "ms");
  tvbench::Report("buildlist_100k_files_ms", buildSeconds * 1000, "ms");
  tvbench::Report("buildlist_vs_walk_ratio", buildSeconds / walkSeconds, "x");
  if (built != walked.size()) tvbench::Report("buildlist_missed_files", double(walked.size() - built), "files");
}

TV_BENCH(SortHundredThousand) {
  tv::ImageList entries;
  std::uint32_t state = 12345;
  for (int i = 0; i < 100'000; ++i) {
    state = state * 1664525u + 1013904223u;
    entries.push_back({L"C:\\Users\\someone\\Pictures\\folder" + tv::DecimalInt(state % 1000) + L"\\IMG_" +
                           tv::DecimalInt(state % 100'000) + (state & 1 ? L".jpg" : L".png"),
                       static_cast<std::int64_t>(state % 2'000'000'000), state % 10'000'000, -1, {}});
  }
  for (int mode = 0; mode < 6; ++mode) {
    tv::ImageList work = entries;
    tvbench::Stopwatch watch;
    tv::OrderEntries(work, mode);
    tvbench::Report("sort_ms_mode" + std::to_string(mode), watch.Seconds() * 1000, "ms");
  }
}
