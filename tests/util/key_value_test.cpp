#include <gtest/gtest.h>

#include "util/key_value.h"

using namespace tv;

TEST(ParseKeyValueText, FirstEqualsSplitsAndLaterLinesWin) {
  KeyValueMap map;
  ParseKeyValueText(map, L"a=1\nb=x=y==\n=empty key\nno equals here\na=2\nc=\n\n");
  EXPECT_EQ(map.at(L"a"), L"2");
  EXPECT_EQ(map.at(L"b"), L"x=y==");
  EXPECT_EQ(map.at(L""), L"empty key");
  EXPECT_EQ(map.at(L"c"), L"");
  EXPECT_EQ(map.count(L"no equals here"), 0u);
  EXPECT_EQ(map.size(), 4u);
}

TEST(ParseKeyValueText, KeysAreExactNotTrimmedNorFolded) {
  KeyValueMap map;
  ParseKeyValueText(map, L" Key =v\nkey=w");
  EXPECT_EQ(map.count(L"Key"), 0u);
  EXPECT_EQ(map.at(L" Key "), L"v");
  EXPECT_EQ(map.at(L"key"), L"w");
}

TEST(GetInt, LenientDigitsSignAnywhereAndClamp) {
  KeyValueMap map{{L"a", L"12"}, {L"b", L" 1 2 "}, {L"c", L"1-2"}, {L"d", L"abc"},
                  {L"e", L"300"}, {L"f", L"-5"},   {L"g", L""}};
  EXPECT_EQ(GetInt(map, L"a", 7, 0, 0), 12);
  EXPECT_EQ(GetInt(map, L"b", 7, 0, 0), 12);
  EXPECT_EQ(GetInt(map, L"c", 7, 0, 0), -12);
  EXPECT_EQ(GetInt(map, L"d", 7, 0, 0), 0);
  EXPECT_EQ(GetInt(map, L"g", 7, 0, 0), 0);  // present but empty is present
  EXPECT_EQ(GetInt(map, L"missing", 7, 1, 255), 7);  // the default is not clamped
  EXPECT_EQ(GetInt(map, L"e", 7, 1, 255), 255);
  EXPECT_EQ(GetInt(map, L"f", 7, 1, 255), 1);
  EXPECT_EQ(GetInt(map, L"e", 7, 0, 0), 300);  // lower == upper: no clamping
}

TEST(GetInt, HugeValuesKeepLow32BitsWithoutOverflowTraps) {
  KeyValueMap map{{L"big", L"4294967297"}, {L"long", std::wstring(10'000'000, L'9')}};
  EXPECT_EQ(GetInt(map, L"big", 0, 0, 0), 1);
  EXPECT_EQ(GetInt(map, L"big", 0, 0, 1000), 1000);
  (void)GetInt(map, L"long", 0, 0, 0);  // must simply return; the sanitizers watch
  EXPECT_EQ(GetInt64(map, L"big", 0), 4294967297LL);
}

TEST(GetDouble, IntegerAndFractionDigits) {
  KeyValueMap map{{L"a", L"1.5"}, {L"b", L"-0.25"}, {L"c", L"2"}, {L"d", L"1.000000"},
                  {L"e", L"0." + std::wstring(5000, L'3')}};
  EXPECT_DOUBLE_EQ(GetDouble(map, L"a", 0, 0, 0), 1.5);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"b", 0, 0, 0), -0.25);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"c", 0, 0, 0), 2.0);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"d", 0, 0, 0), 1.0);
  EXPECT_NEAR(GetDouble(map, L"e", 0, 0, 0), 1.0 / 3, 1e-12);  // not NaN from inf/inf
  EXPECT_DOUBLE_EQ(GetDouble(map, L"a", 0, 2, 10), 2.0);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"x", 9.5, 0, 1), 9.5);
}

TEST(GetBool, TrimmedCaseInsensitiveTrueFalseOnly) {
  KeyValueMap map{{L"a", L"  TRUE \t"}, {L"b", L"False"}, {L"c", L"yes"}, {L"d", L"1"}};
  EXPECT_TRUE(GetBool(map, L"a", false));
  EXPECT_FALSE(GetBool(map, L"b", true));
  EXPECT_TRUE(GetBool(map, L"c", true));
  EXPECT_FALSE(GetBool(map, L"c", false));
  EXPECT_TRUE(GetBool(map, L"d", true));
  EXPECT_TRUE(GetBool(map, L"missing", true));
  EXPECT_EQ(GetText(map, L"b", L"x"), L"False");
  EXPECT_EQ(GetText(map, L"missing", L"x"), L"x");
}
