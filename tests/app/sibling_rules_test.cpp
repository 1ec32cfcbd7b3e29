#include "app/sibling_rules.h"

#include <gtest/gtest.h>

#include "util/window_messages.h"

namespace tv {
namespace {

constexpr wchar_t kClass[] = L"TAVERLUNE";

TEST(SiblingRules, OnlyOurClassWithExactlyOurTitle) {
  EXPECT_TRUE(IsSiblingWindow(kClass, L"taverlune - a", kClass, L"taverlune - a"));
  // Regression: instance "a" stepped the windows of instance "ab".
  EXPECT_FALSE(IsSiblingWindow(kClass, L"taverlune - ab", kClass, L"taverlune - a"));
  EXPECT_FALSE(IsSiblingWindow(kClass, L"taverlune - a", kClass, L"taverlune - ab"));
  EXPECT_FALSE(IsSiblingWindow(kClass, L"taverlune - A", kClass, L"taverlune - a"));
  // Regression: a file manager window showing a folder of our title.
  EXPECT_FALSE(IsSiblingWindow(L"CabinetWClass", L"taverlune image viewer", kClass, L"taverlune image viewer"));
}

TEST(SiblingRules, LineUpPlacesEachSiblingOneWindowFurther) {
  struct Row {
    int k, dx, dy;
    SiblingMessage centre, size;
  };
  const Row rows[] = {
      {2, 1, 0, {kSetCentreMessage, 1000 + 2 * 300, 500}, {kSetWidthMessage, 300, 0}},
      {1, 0, -1, {kSetCentreMessage, 1000, 500 - 200}, {kSetHeightMessage, 200, 0}},
      {1, -1, 1, {kSetCentreMessage, 1000 - 300, 500 + 200}, {kSetHeightMessage, 200, 0}},
      {3, 0, 0, {kSetCentreMessage, 1000, 500}, {kSizeFromBoxMessage, 300, 200}},
  };
  for (const Row& row : rows) {
    const LineUpOrder order = LineUpOrderFor(row.k, row.dx, row.dy, 300, 200, 1000, 500);
    EXPECT_EQ(order.centre.first, row.centre.first) << row.k << " " << row.dx << " " << row.dy;
    EXPECT_EQ(order.centre.second, row.centre.second) << row.k << " " << row.dx << " " << row.dy;
    EXPECT_EQ(order.size.message, row.size.message) << row.k << " " << row.dx << " " << row.dy;
    EXPECT_EQ(order.size.first, row.size.first) << row.k << " " << row.dx << " " << row.dy;
    EXPECT_EQ(order.size.second, row.size.second) << row.k << " " << row.dx << " " << row.dy;
  }
  // Diagonal with a tall window keeps the width.
  EXPECT_EQ(LineUpOrderFor(1, 1, 1, 200, 300, 0, 0).size.message, kSetWidthMessage);
}

TEST(SiblingRules, DuplicateRefusesEntriesThatReadAsSwitches) {
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"C:\\a.zip", L"/:uninstall", L""}));
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"/:uninstall", L"", L""}));
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"", L"", L""}));
  EXPECT_EQ(DuplicateCommandLine({L"C:\\t.exe", L"C:\\my pics\\a.png", L"", L""}),
            L"\"C:\\t.exe\" /:duplicate \"C:\\my pics\\a.png\"");
}

}  // namespace
}  // namespace tv
