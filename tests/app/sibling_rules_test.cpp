#include "app/sibling_rules.h"

#include <gtest/gtest.h>

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

TEST(SiblingRules, DuplicateRefusesEntriesThatReadAsSwitches) {
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"C:\\a.zip", L"/:uninstall", L""}));
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"/:uninstall", L"", L""}));
  EXPECT_FALSE(DuplicateCommandLine({L"C:\\t.exe", L"", L"", L""}));
}

}  // namespace
}  // namespace tv
