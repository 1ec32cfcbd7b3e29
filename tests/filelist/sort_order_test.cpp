#include "filelist/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>

#include "tests/filelist/list_test_helpers.h"
#include "util/paths.h"

using namespace tv;
using tvtest::Named;
using tvtest::Paths;
using tvtest::Strings;

TEST(CompareCodeUnits, OrdersByUnsignedUnitsAndLength) {
  const std::tuple<const wchar_t*, const wchar_t*, int> cases[] = {
      {L"B", L"a", -1}, {L"img10.jpg", L"img9.jpg", -1}, {L"abc", L"abcd", -1},
      {L"abc", L"abc", 0}, {L"\xFF01", L"z", 1}, {L"", L"a", -1}};
  for (const auto& [a, b, expected] : cases) {
    EXPECT_EQ(CompareCodeUnits(a, b), expected) << a << " vs " << b;
    EXPECT_EQ(CompareCodeUnits(b, a), -expected) << b << " vs " << a;
  }
}

// The name and extension orders take shortcuts over shared prefixes; they
// must still agree with a plain comparison of the texts, including texts
// that end inside the shared part, prefixes of each other, U+0000, and
// units above 0x7FFF.
TEST(OrderEntries, NameAndExtensionAgreeWithPlainComparison) {
  const wchar_t alphabet[] = {L'a', L'b', L'.', L'\\', L'\0', L'\x7FFF', L'\x8000', L'\xFFFF'};
  std::uint32_t state = 7;
  auto next = [&] { return (state = state * 1664525u + 1013904223u) >> 8; };
  for (const std::wstring& prefix : {std::wstring(), std::wstring(L"C:\\shared\\folder\\")}) {
    for (int round = 0; round < 50; ++round) {
      ImageList list;
      for (int i = 0; i < 40; ++i) {
        std::wstring path = prefix.substr(0, next() % 3 == 0 ? next() % (prefix.size() + 1) : prefix.size());
        for (int n = static_cast<int>(next() % 7); n > 0; --n) path += alphabet[next() % 8];
        list.push_back({path, 0, 0, -1, {}});
      }
      for (int mode : {0, 1}) {
        // Compare key sequences: equal extensions may come in any order.
        auto key = [&](const std::wstring& p) { return mode == 0 ? p : ExtensionOf(p); };
        Strings want;
        for (const auto& e : list) want.push_back(key(e.path));
        std::sort(want.begin(), want.end(), [](auto& x, auto& y) { return CompareCodeUnits(x, y) < 0; });
        ImageList sorted = list;
        OrderEntries(sorted, mode);
        Strings got;
        for (const auto& e : sorted) got.push_back(key(e.path));
        EXPECT_EQ(got, want);
      }
    }
  }
}

TEST(OrderEntries, TimeSizeReverseAndUnknownModesMoveWholeEntries) {
  const ImageList list = {{L"a", 30, 5, -1, {}}, {L"b", -10, 900, -1, Named({L"m1", L"m2"})},
                          {L"c", 20, 0xFFFFFFFFu, 2, {}}, {L"d", 25, 7, -1, {}}};
  const std::pair<int, Strings> cases[] = {{2, {L"b", L"c", L"d", L"a"}}, {3, {L"a", L"d", L"b", L"c"}},
                                           {5, {L"d", L"c", L"b", L"a"}}, {6, {L"a", L"b", L"c", L"d"}},
                                           {-1, {L"a", L"b", L"c", L"d"}}};
  for (const auto& [mode, expected] : cases) {
    ImageList work = list;
    OrderEntries(work, mode);
    EXPECT_EQ(Paths(work), expected) << mode;
    for (const auto& e : work) {
      EXPECT_EQ(e.members.size(), e.path == L"b" ? 2u : 0u);
      EXPECT_EQ(e.rotation, e.path == L"c" ? 2 : -1);
    }
  }
  ImageList shuffled = list;
  OrderEntries(shuffled, 4);
  EXPECT_EQ(tvtest::Sorted(Paths(shuffled)), Paths(list));
}

TEST(ShuffleEntries, EveryPermutationOfThreeIsReachedEvenly) {
  // A shuffle that picks j from [0, i-1] (or forgets i = n-1) reaches only
  // some permutations; the uniform one reaches all six about equally often.
  std::mt19937 generator(12345);
  std::map<Strings, int> seen;
  for (int round = 0; round < 6000; ++round) {
    ImageList list = Named({L"a", L"b", L"c"});
    ShuffleEntries(list, generator);
    ++seen[Paths(list)];
  }
  ASSERT_EQ(seen.size(), 6u);
  for (const auto& [order, count] : seen) {
    EXPECT_GT(count, 800);
    EXPECT_LT(count, 1200);
  }
}
