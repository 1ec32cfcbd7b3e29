// The number fields' filter and the size form's proportions, without windows.
#include "forms/number_filter.h"
#include "forms/proportional_size.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

TEST(NumberFilterTest, KeepsDigitsAndOneLeadingMinusWhereAllowedWithTheCaretOnItsCharacter) {
  const NumberRules plain{};
  const NumberRules negative{.allowNegative = true};
  struct Row {
    const wchar_t* typed;
    std::size_t caret;
    const NumberRules& rules;
    const wchar_t* text;
    std::size_t expectedCaret;
    std::int32_t value;
  };
  const Row rows[] = {
      {L"12a3", 3, plain, L"123", 2, 123},      // caret after "a" stays after "2"
      {L"ab1", 2, plain, L"1", 0, 1},
      {L"-45", 3, plain, L"45", 2, 45},         // no minus where negatives are not allowed
      {L"-45", 3, negative, L"-45", 3, -45},
      {L"4-5", 3, negative, L"45", 2, 45},      // a minus only in front
      {L"--7", 1, negative, L"-7", 1, -7},
      {L"-", 1, negative, L"-", 1, 0},
      {L"", 0, plain, L"", 0, 0},
      {L"x1.5", 99, plain, L"15", 2, 15},       // no decimal point; a caret past the end is the end
  };
  for (const Row& row : rows) {
    const FilteredNumber got = FilterNumber(row.typed, row.caret, row.rules);
    EXPECT_EQ(got.text, row.text) << row.typed;
    EXPECT_EQ(got.caret, row.expectedCaret) << row.typed;
    EXPECT_EQ(got.value, row.value) << row.typed;
    EXPECT_EQ(got.changed, got.text != row.typed) << row.typed;
  }
}

TEST(NumberFilterTest, ValueIsClampedIntoTheBoundsSwitchedOnAndSaturatesLongInput) {
  const NumberRules size{.hasMin = true, .hasMax = true, .min = 30, .max = 99999};
  EXPECT_EQ(NumberValue(L"5", size), 30);
  EXPECT_EQ(NumberValue(L"", size), 30);
  EXPECT_EQ(NumberValue(L"123456", size), 99999);
  EXPECT_EQ(NumberValue(L"640", size), 640);
  EXPECT_EQ(NumberValue(L"99999999999999999999999", NumberRules{}), 2147483647);
  EXPECT_EQ(NumberValue(L"-99999999999999999999999", NumberRules{.allowNegative = true}), -2147483647 - 1);
  EXPECT_EQ(NumberValue(L"150", NumberRules{.hasMax = true, .max = 100}), 100);
}

TEST(ProportionalSizeTest, OtherSideIsRoundedToTheNearestPixelAndNeverOverflows) {
  const double fourThirds = AspectOf(1024, 768);
  EXPECT_EQ(HeightForWidth(800, fourThirds), 600);  // 600.5 truncated
  EXPECT_EQ(WidthForHeight(600, fourThirds), 800);  // 800.67 truncated
  EXPECT_EQ(HeightForWidth(801, fourThirds), 601);  // 600.75 rounds up
  EXPECT_EQ(AspectOf(0, 100), 1.0);
  EXPECT_EQ(AspectOf(100, 0), 1.0);
  EXPECT_EQ(HeightForWidth(99999, AspectOf(1, 100000)), 2147483647);
  EXPECT_EQ(WidthForHeight(99999, AspectOf(100000, 1)), 2147483647);
}

}  // namespace
}  // namespace tv
