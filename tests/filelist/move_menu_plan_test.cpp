#include <gtest/gtest.h>

#include "filelist/move_menu_plan.h"

using namespace tv;

namespace {

MoveMenuFacts Facts(int subfolders) {
  MoveMenuFacts facts{L"C:\\p\\here", L"C:\\last", {L"C:\\h0", L"C:\\h1", L"C:\\h2"}, L"C:\\p", {}, L"(add)", L"",
                      L"Create"};
  for (int i = 0; i < subfolders; ++i) facts.subfolders.push_back(L"C:\\p\\here\\s" + std::to_wstring(i));
  return facts;
}

}  // namespace

TEST(MoveMenuPlan, AcceleratorsRunOnFromTheRememberedFoldersAndRootsHaveNoParent) {
  const MoveMenuPlan plan = PlanMoveMenu(Facts(40), 34000, 35000);
  ASSERT_EQ(plan.items.size(), 8u + 40 + 3);
  const std::pair<size_t, const wchar_t*> expected[] = {
      {0, L"last(&`)"}, {1, L""},       {2, L"h0(&1)"},  {4, L"h2(&3)"},  {5, L""},    {6, L"p[..](&.)"},
      {7, L""},         {8, L"s0(&4)"}, {13, L"s5(&9)"}, {14, L"s6(&A)"}, {38, L"s30(&Y)"}, {39, L"s31"},
      {48, L""},        {49, L"here (add)(&/)"}, {50, L"Create(&,)"}};
  for (const auto& [at, text] : expected) EXPECT_EQ(plan.items[at].text, text) << at;
  EXPECT_EQ(plan.targets[4], L"??");
  EXPECT_EQ(plan.items.back().id, 34000 + static_cast<int>(plan.targets.size()) - 1);
  // Roots of drives and shares have no parent item.
  EXPECT_EQ(ParentFolderOf(L"C:\\a"), L"C:");
  EXPECT_EQ(ParentFolderOf(L"C:"), L"");
  EXPECT_EQ(ParentFolderOf(L"\\\\server\\share\\a"), L"\\\\server\\share");
  EXPECT_EQ(ParentFolderOf(L"\\\\server\\share"), L"");
  EXPECT_EQ(SystemFolderPath(L"C:"), L"C:\\");
}
