#include <string>

#include "bench/bench.h"
#include "util/key_value.h"
#include "util/text_file.h"
#include "util/wildcard.h"

TV_BENCH(MaskMatch) {
  const std::wstring mask = L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;";
  const std::wstring path = L"C:\\Users\\someone\\Pictures\\2026\\holiday\\IMG_0001.webp";
  constexpr int kRounds = 1'000'000;
  tvbench::Stopwatch watch;
  int hits = 0;
  for (int i = 0; i < kRounds; ++i) hits += tv::MatchesMask(path, mask) ? 1 : 0;
  tvbench::Report(hits == kRounds ? "mask_match" : "mask_match_wrong", watch.Seconds() * 1e9 / kRounds, "ns/path");
}

TV_BENCH(KeyValueParse) {
  std::wstring text;
  for (int i = 0; i < 100'000; ++i) text += L"FileList" + std::to_wstring(i) + L"=C:\\Pictures\\p" + std::to_wstring(i) + L".jpg\n";
  const std::string bytes = tv::EncodeTextFileBytes(text);
  tvbench::Stopwatch watch;
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, tv::DecodeTextFileBytes(bytes));
  tvbench::Report("key_value_parse_100k_lines", watch.Seconds() * 1000, "ms");
}
