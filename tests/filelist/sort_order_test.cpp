#include "filelist/sort_order.h"
#include "tests/filelist/list_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "util/paths.h"

using namespace tv;
using tvtest::Named;
using tvtest::Paths;


TEST(CompareCodeUnits, OrdersByUnsignedUnitsAndLength) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int expected;
  } cases[] = {
      {L"B", L"a", -1},              // no case folding
      {L"img10.jpg", L"img9.jpg", -1},  // no numeric runs
      {L"abc", L"abcd", -1},         // prefix first
      {L"abc", L"abc", 0},
      {L"\xFF01", L"z", 1},          // above 0x7FFF still compares as large, not negative
      {L"\xE000", L"\x4E00", 1},
      {L"", L"a", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareCodeUnits(c.a, c.b), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(CompareCodeUnits(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
  }
}

TEST(OrderEntries, NameComparesWholePaths) {
  ImageList list = Named({L"C:\\b\\a.jpg", L"C:\\a\\z.jpg", L"C:\\a\\b.jpg", L"C:\\a\\B.jpg"});
  OrderEntries(list, 0);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"C:\\a\\B.jpg", L"C:\\a\\b.jpg", L"C:\\a\\z.jpg", L"C:\\b\\a.jpg"}));
}

TEST(OrderEntries, ExtensionKeyIsFromTheLastDot) {
  // "noext" in folder "C:\x.y" has the key ".y\noext"; "C:\plain" has the whole path.
  ImageList list = Named({L"C:\\p\\a.png", L"C:\\x.y\\noext", L"C:\\plain", L"C:\\p\\b.bmp", L"C:\\p\\c.JPG"});
  OrderEntries(list, 1);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"C:\\p\\c.JPG", L"C:\\p\\b.bmp", L"C:\\p\\a.png",
                                                    L"C:\\x.y\\noext", L"C:\\plain"}));
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
        std::vector<std::wstring> expected = Paths(list);
        std::sort(expected.begin(), expected.end(), [&](const std::wstring& x, const std::wstring& y) {
          return mode == 0 ? CompareCodeUnits(x, y) < 0 : CompareCodeUnits(ExtensionOf(x), ExtensionOf(y)) < 0;
        });
        ImageList sorted = list;
        OrderEntries(sorted, mode);
        if (mode == 0) {
          EXPECT_EQ(Paths(sorted), expected);
        } else {
          // Equal extensions may come in any order: compare the key sequence.
          std::vector<std::wstring> got, want;
          for (const auto& e : sorted) got.push_back(ExtensionOf(e.path));
          for (const auto& p : expected) want.push_back(ExtensionOf(p));
          EXPECT_EQ(got, want);
        }
      }
    }
  }
}

TEST(OrderEntries, TimeAndSizeAscending) {
  ImageList list = {{L"a", 30, 5, -1, {}}, {L"b", -10, 900, -1, {}}, {L"c", 20, 0xFFFFFFFFu, -1, {}}};
  OrderEntries(list, 2);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"b", L"c", L"a"}));
  OrderEntries(list, 3);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"a", L"b", L"c"}));
}

TEST(OrderEntries, ReverseAndUnknownMode) {
  ImageList list = Named({L"1", L"2", L"3"});
  OrderEntries(list, 5);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"3", L"2", L"1"}));
  OrderEntries(list, 6);
  OrderEntries(list, -1);
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"3", L"2", L"1"}));
}

TEST(OrderEntries, SortingKeepsMemberLists) {
  ImageList list = {{L"z.zip", 0, 0, -1, Named({L"m1", L"m2"})}, {L"a.jpg", 0, 0, 2, {}}};
  OrderEntries(list, 0);
  ASSERT_EQ(list[1].path, L"z.zip");
  EXPECT_EQ(Paths(list[1].members), (std::vector<std::wstring>{L"m1", L"m2"}));
  EXPECT_EQ(list[0].rotation, 2);
}

TEST(ShuffleEntries, EveryPermutationOfThreeIsReachedEvenly) {
  // A shuffle that picks j from [0, i-1] (or forgets i = n-1) reaches only
  // some permutations; the uniform one reaches all six about equally often.
  std::mt19937 generator(12345);
  std::map<std::vector<std::wstring>, int> seen;
  constexpr int kRounds = 6000;
  for (int round = 0; round < kRounds; ++round) {
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

TEST(OrderEntries, RandomizeIsAPermutation) {
  ImageList list;
  for (int i = 0; i < 500; ++i) list.push_back({std::to_wstring(i), i, 0, -1, {}});
  OrderEntries(list, 4);
  std::vector<std::wstring> paths = Paths(list);
  std::sort(paths.begin(), paths.end());
  std::vector<std::wstring> expected;
  for (int i = 0; i < 500; ++i) expected.push_back(std::to_wstring(i));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(paths, expected);
}
