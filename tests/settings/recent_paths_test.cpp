// The open and moved-folder histories: order, capacity, renames, menu items.
#include <gtest/gtest.h>

#include "settings/recent_paths.h"

namespace tv {
namespace {

using Paths = std::vector<std::wstring>;

struct AddCase {
  const char* what;
  Paths before;
  int capacity;
  Paths added;
  Paths after;
  bool result;
};

TEST(RecentPaths, AddingKeepsMostRecentFirstWithinTheCapacity) {
  Paths twenty;
  for (int i = 0; i < 20; ++i) twenty.push_back(L"C:\\p\\" + std::to_wstring(i) + L".png");
  Paths lastSixteen(twenty.rbegin(), twenty.rbegin() + 16);
  const AddCase cases[] = {
      {"new path goes first", {L"a", L"b"}, 16, {L"c"}, {L"c", L"a", L"b"}, true},
      {"same path twice leaves one, at the front", {L"a", L"b", L"c"}, 16, {L"c"}, {L"c", L"a", L"b"}, true},
      {"letter case makes a different entry", {L"C:\\A.png"}, 16, {L"C:\\a.png"}, {L"C:\\a.png", L"C:\\A.png"}, true},
      {"the oldest beyond the capacity goes", {L"a", L"b", L"c"}, 3, {L"d"}, {L"d", L"a", L"b"}, true},
      {"a lowered capacity cuts the list", {L"a", L"b", L"c", L"d"}, 2, {L"e"}, {L"e", L"a"}, true},
      {"capacity 0 records nothing", {}, 0, {L"a"}, {}, false},
      {"of twenty only the last sixteen count", {L"old"}, 16, twenty, lastSixteen, true},
      {"a set keeps its order, last first", {L"b"}, 16, {L"a", L"b", L"c"}, {L"c", L"b", L"a"}, true},
  };
  for (const AddCase& c : cases) {
    Paths entries = c.before;
    int capacity = c.capacity;
    RecentPaths history(entries, capacity);
    EXPECT_EQ(history.AddAll(c.added), c.result) << c.what;
    EXPECT_EQ(entries, c.after) << c.what;
  }
}

TEST(RecentPaths, AddingAnEntryOfItsOwnListMovesThatEntry) {
  Paths entries = {L"a", L"b", L"c"};
  int capacity = 16;
  RecentPaths history(entries, capacity);
  history.Add(entries[2]);
  EXPECT_EQ(entries, (Paths{L"c", L"a", L"b"}));
  history.AddAll(std::span(entries).subspan(1, 2));
  EXPECT_EQ(entries, (Paths{L"b", L"a", L"c"}));
}

TEST(RecentPaths, RenameReplacesTheFirstEqualEntryInPlace) {
  Paths entries = {L"C:\\x\\a.png", L"C:\\x\\b.png", L"C:\\x\\b.png"};
  int capacity = 16;
  RecentPaths history(entries, capacity);
  EXPECT_EQ(history.Rename(L"C:\\x\\b.png", L"C:\\y\\b2.png"), std::optional<size_t>(1));
  EXPECT_EQ(entries, (Paths{L"C:\\x\\a.png", L"C:\\y\\b2.png", L"C:\\x\\b.png"}));
  EXPECT_EQ(history.Rename(L"C:\\X\\A.png", L"C:\\z.png"), std::nullopt);
  EXPECT_EQ(entries[0], L"C:\\x\\a.png");
}

TEST(RecentPaths, MenuItemsNumberEntriesThenTheClearItem) {
  const Paths history = {L"C:\\photos\\trip\\a.png", L"D:\\b&c\\d.jpg"};
  const std::vector<HistoryMenuItem> items = HistoryMenuItems(history, 35000, L"Clear History(&C)");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].id, 35000);
  EXPECT_EQ(items[0].text, L"trip\\a.png");
  EXPECT_EQ(items[1].id, 35001);
  EXPECT_EQ(items[1].text, L"b&c\\d.jpg");
  EXPECT_EQ(items[2].id, 0);
  EXPECT_EQ(items[3].id, 35002);
  EXPECT_EQ(items[3].text, L"Clear History(&C)");
  EXPECT_TRUE(HistoryMenuItems({}, 35000, L"Clear").empty());
}

}  // namespace
}  // namespace tv
