#include "filelist/sort_order.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

#include "util/paths.h"

namespace tv {

int CompareCodeUnits(std::wstring_view a, std::wstring_view b) {
  if constexpr (sizeof(wchar_t) == 2 && static_cast<wchar_t>(-1) > 0) {
    // Windows: wchar_t is an unsigned 16-bit unit. Paths share long folder
    // prefixes, so four units are compared at a time until one differs.
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i + 4 <= common; i += 4) {
      std::uint64_t x, y;
      std::memcpy(&x, a.data() + i, 8);
      std::memcpy(&y, b.data() + i, 8);
      if (x != y) break;
    }
    for (; i < common; ++i) {
      const auto x = static_cast<std::uint16_t>(a[i]);
      const auto y = static_cast<std::uint16_t>(b[i]);
      if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
  } else {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
      // The native build's wchar_t is 32 bits wide, but each element holds
      // one 16-bit unit; the cast keeps both builds comparing the same numbers.
      const auto x = static_cast<std::uint16_t>(a[i]);
      const auto y = static_cast<std::uint16_t>(b[i]);
      if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
  }
}

namespace {

// Sorts positions by a precomputed key and then moves the entries once, so
// the comparison never touches the entries' member lists.
template <typename Key, typename Less>
void SortByKey(ImageList& entries, const std::vector<Key>& keys, Less less) {
  std::vector<size_t> order(entries.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t x, size_t y) { return less(keys[x], keys[y]); });
  ImageList sorted;
  sorted.reserve(entries.size());
  for (size_t i : order) sorted.push_back(std::move(entries[i]));
  entries = std::move(sorted);
}

bool TextLess(std::wstring_view a, std::wstring_view b) { return CompareCodeUnits(a, b) < 0; }

}  // namespace

void ShuffleEntries(ImageList& entries, std::mt19937& generator) {
  for (size_t i = 1; i < entries.size(); ++i) {
    std::uniform_int_distribution<size_t> pick(0, i);
    const size_t j = pick(generator);
    if (j != i) std::swap(entries[i], entries[j]);
  }
}

void OrderEntries(ImageList& entries, int mode) {
  switch (static_cast<SortMode>(mode)) {
    case SortMode::Name: {
      // Views into the entries: they stay put until SortByKey moves them.
      std::vector<std::wstring_view> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.path);
      SortByKey(entries, keys, TextLess);
      break;
    }
    case SortMode::Extension: {
      std::vector<std::wstring> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(ExtensionOf(e.path));
      SortByKey(entries, keys, TextLess);
      break;
    }
    case SortMode::Time: {
      std::vector<std::int64_t> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.time);
      SortByKey(entries, keys, std::less<>());
      break;
    }
    case SortMode::Size: {
      std::vector<std::uint32_t> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.size);
      SortByKey(entries, keys, std::less<>());
      break;
    }
    case SortMode::Randomize: {
      std::random_device source;
      std::mt19937 generator(source());
      ShuffleEntries(entries, generator);
      break;
    }
    case SortMode::Reverse:
      std::reverse(entries.begin(), entries.end());
      break;
  }
}

}  // namespace tv
