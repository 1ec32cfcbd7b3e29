// The command table against the menus the resource compiler really built,
// and the rules that mark and grey the items.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/command_table.h"
#include "menus/menu_ids.h"
#include "menus/popup_menu_resource.h"

namespace tv {
namespace {

void CollectIds(HMENU menu, std::set<int>& ids) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    if (HMENU sub = ::GetSubMenu(menu, i)) {
      CollectIds(sub, ids);
    } else if (const UINT id = ::GetMenuItemID(menu, i); id != 0 && id != static_cast<UINT>(-1)) {
      ids.insert(static_cast<int>(id));
    }
  }
}

std::set<int> MenuIds(UiLanguage language) {
  std::set<int> ids;
  if (UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), language)) CollectIds(menu.get(), ids);
  return ids;
}

TEST(CommandTable, EveryMenuItemHasExactlyOneRowAndRowsNeverOverlap) {
  const std::set<int> english = MenuIds(UiLanguage::English);
  ASSERT_GT(english.size(), 100u);  // the Japanese menu's ids are the same: checked with the resources

  std::vector<CommandRow> rows(CommandRows().begin(), CommandRows().end());
  std::sort(rows.begin(), rows.end(), [](const CommandRow& a, const CommandRow& b) { return a.first < b.first; });
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_LE(rows[i].first, rows[i].last) << rows[i].first;
    if (i > 0) {
      EXPECT_GT(rows[i].first, rows[i - 1].last) << rows[i].first << " overlaps " << rows[i - 1].first;
    }
  }

  Settings settings;
  const CommandFacts facts{settings};
  for (int id : english) {
    const auto holds = [id](const CommandRow& r) { return r.first <= id && id <= r.last; };
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), holds), 1) << id;
    EXPECT_NE(FindCommandRow(id, facts), nullptr) << id;
  }
  // A fixed row names only items the menus have; a stray id is a typo.
  for (const CommandRow& row : rows) {
    if (row.inUse) continue;
    for (int id = row.first; id <= row.last; ++id) EXPECT_TRUE(english.contains(id)) << id;
  }
}

TEST(CommandTable, GeneratedItemsRunOnlyWhileTheyExist) {
  Settings settings;
  settings.History = {L"C:\\a.png", L"C:\\b.png"};  // two entries and the clear item
  const CommandFacts facts{settings, false, false, 3};
  const struct {
    int id;
    bool ours;
  } cases[] = {
      {IDM_MOVE_TARGET_FIRST + 2, true},  {IDM_MOVE_TARGET_FIRST + 3, false},
      {IDM_HISTORY_FIRST + 2, true},      {IDM_HISTORY_FIRST + 3, false},
      {IDM_POSITION_LEFT_BOTTOM + 1, false},  // the gap in Show Position
      {IDM_HIDE - 1, false},
  };
  for (const auto& c : cases) EXPECT_EQ(FindCommandRow(c.id, facts) != nullptr, c.ours) << c.id;

  // However many move targets there are, the first history item stays history.
  const CommandFacts crowded{settings, false, false, 100000};
  const CommandRow* row = FindCommandRow(IDM_HISTORY_FIRST, crowded);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->first, IDM_HISTORY_FIRST);
  EXPECT_NE(FindCommandRow(IDM_HISTORY_FIRST - 1, crowded), nullptr);
  // Placeholder items are known but carry no command.
  ASSERT_NE(FindCommandRow(IDM_HISTORY, facts), nullptr);
  EXPECT_EQ(FindCommandRow(IDM_HISTORY, facts)->handler, nullptr);
  // Without entries there is no history item at all, not even the clear item.
  const Settings empty;
  EXPECT_EQ(FindCommandRow(IDM_HISTORY_FIRST, CommandFacts{empty}), nullptr);
}

// Item id -> marked, for the items of [first, last] that have a mark rule.
std::vector<int> MarkedIn(const CommandFacts& facts, int first, int last) {
  std::vector<int> marked;
  for (const MenuItemState& s : MenuItemStates(facts))
    if (s.id >= first && s.id <= last && s.hasMark && s.marked) marked.push_back(s.id);
  return marked;
}

TEST(CommandTable, MarksFollowTheSettingsAndAValueOffTheTableMarksNothing) {
  Settings settings;
  settings.FrameWidth = 3;
  settings.SSInterval = 5500;
  settings.PositionMode = 5;
  settings.FitToScreen = true;
  settings.UseCursorSize = 2;
  settings.ShowingList = true;
  const CommandFacts facts{settings, false, true};
  EXPECT_EQ(MarkedIn(facts, IDM_BORDER_WIDTH_0, IDM_BORDER_WIDTH_30), std::vector<int>{});
  EXPECT_EQ(MarkedIn(facts, IDM_INTERVAL_1S, IDM_INTERVAL_24H), std::vector<int>{IDM_INTERVAL_5S});
  EXPECT_EQ(MarkedIn(facts, IDM_POSITION_NONE, IDM_POSITION_RIGHT_BOTTOM), std::vector<int>{IDM_POSITION_RIGHT_BOTTOM});
  EXPECT_EQ(MarkedIn(facts, IDM_CURSOR_SIZE_NORMAL, IDM_CURSOR_SIZE_EXTRA_LARGE),
            std::vector<int>{IDM_CURSOR_SIZE_EXTRA_LARGE});
  EXPECT_EQ(MarkedIn(facts, IDM_FIT_TO_SCREEN, IDM_FULL_SCREEN), std::vector<int>{IDM_FIT_TO_SCREEN});

  std::set<int> greyed;
  for (const MenuItemState& s : MenuItemStates(facts))
    if (s.hasGreyRule && s.greyed) greyed.insert(s.id);
  EXPECT_EQ(greyed, (std::set<int>{IDM_HISTORY, IDM_DELETE_INSTANCE, IDM_COPY_IMAGE_TO_CLIPBOARD, IDM_DUPLICATE_WINDOW,
                                   IDM_SAVE_JPEG_FILE, IDM_SAVE_JPEG_FILE_SHOWING_SIZE, IDM_SAVE_PNG}));
}

}  // namespace
}  // namespace tv
