#include "filelist/sort_order.h"

#include <algorithm>
#include <cstring>
#include <utility>
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

// Puts entries[order[i]] at position i, moving each entry once along the
// permutation's cycles: no second list of entries is allocated.
template <typename Position>
void ApplyOrder(ImageList& entries, std::vector<Position>& order) {
  for (size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    ImageEntry held = std::move(entries[start]);
    size_t at = start;
    for (;;) {
      const size_t from = order[at];
      order[at] = static_cast<Position>(at);  // placed
      if (from == start) {
        entries[at] = std::move(held);
        break;
      }
      entries[at] = std::move(entries[from]);
      at = from;
    }
  }
}

// Sorts (key, position) pairs, so the comparison reads neither the entries
// nor a second array, and then moves the entries once.
template <typename Key>
void SortByKey(ImageList& entries, const std::vector<Key>& keys) {
  std::vector<std::pair<Key, std::uint32_t>> pairs(keys.size());
  for (size_t k = 0; k < keys.size(); ++k) pairs[k] = {keys[k], static_cast<std::uint32_t>(k)};
  std::sort(pairs.begin(), pairs.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::uint32_t> order(pairs.size());
  for (size_t i = 0; i < pairs.size(); ++i) order[i] = pairs[i].second;
  ApplyOrder(entries, order);
}

constexpr size_t kDeepestPackedUnit = 1024;

struct PackedKey {
  std::uint64_t head;  // four units from the group's depth on, first highest
  std::uint32_t index;
};

// Sorts one group of keys that agree on their first `depth` units. The units
// the whole group shares are skipped and the next four are packed into one
// number, so most comparisons are a single integer compare; runs of equal
// numbers are sorted again, deeper, the same way.
void SortTextGroup(PackedKey* first, PackedKey* last, const std::vector<std::wstring_view>& keys, size_t depth) {
  const std::wstring_view lead = keys[first->index];
  size_t shared = lead.size();
  for (const PackedKey* p = first + 1; p != last && shared > depth; ++p) {
    const std::wstring_view key = keys[p->index];
    const size_t limit = std::min(shared, key.size());
    size_t i = depth;
    while (i < limit && static_cast<std::uint16_t>(key[i]) == static_cast<std::uint16_t>(lead[i])) ++i;
    shared = i;
  }
  bool padded = false;  // some key ends within the four packed units
  for (PackedKey* p = first; p != last; ++p) {
    const std::wstring_view key = keys[p->index];
    std::uint64_t head = 0;
    for (size_t i = shared; i < shared + 4; ++i)
      head = (head << 16) | (i < key.size() ? static_cast<std::uint16_t>(key[i]) : 0u);
    padded = padded || key.size() < shared + 4;
    p->head = head;
  }
  // A padding 0 and a real U+0000 pack alike, so the texts decide; so they
  // do deep into very long keys, which keeps the recursion shallow.
  if (padded || shared > kDeepestPackedUnit) {
    std::sort(first, last, [&](const PackedKey& x, const PackedKey& y) {
      if (x.head != y.head) return x.head < y.head;
      return CompareCodeUnits(keys[x.index].substr(shared), keys[y.index].substr(shared)) < 0;
    });
    return;
  }
  std::sort(first, last, [](const PackedKey& x, const PackedKey& y) { return x.head < y.head; });
  for (PackedKey* run = first; run != last;) {
    PackedKey* end = run + 1;
    while (end != last && end->head == run->head) ++end;
    if (end - run > 1) SortTextGroup(run, end, keys, shared + 4);
    run = end;
  }
}

// Orders entries by text keys (views that must outlive the call).
void SortByTextKeys(ImageList& entries, const std::vector<std::wstring_view>& keys) {
  if (entries.size() < 2) return;
  std::vector<PackedKey> packed(keys.size());
  for (size_t k = 0; k < keys.size(); ++k) packed[k] = {0, static_cast<std::uint32_t>(k)};
  SortTextGroup(packed.data(), packed.data() + packed.size(), keys, 0);
  std::vector<std::uint32_t> order(packed.size());
  for (size_t i = 0; i < packed.size(); ++i) order[i] = packed[i].index;
  ApplyOrder(entries, order);
}

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
      // Views into the entries: they stay put until the entries are moved.
      std::vector<std::wstring_view> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.path);
      SortByTextKeys(entries, keys);
      break;
    }
    case SortMode::Extension: {
      std::vector<std::wstring> extensions;
      extensions.reserve(entries.size());
      for (auto& e : entries) extensions.push_back(ExtensionOf(e.path));
      std::vector<std::wstring_view> keys(extensions.begin(), extensions.end());
      SortByTextKeys(entries, keys);
      break;
    }
    case SortMode::Time: {
      std::vector<std::int64_t> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.time);
      SortByKey(entries, keys);
      break;
    }
    case SortMode::Size: {
      std::vector<std::uint32_t> keys;
      keys.reserve(entries.size());
      for (auto& e : entries) keys.push_back(e.size);
      SortByKey(entries, keys);
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
