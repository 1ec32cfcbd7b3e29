#include <gtest/gtest.h>

#include "util/key_value.h"
#include "util/text.h"
#include "util/wildcard.h"

using namespace tv;

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsTrailingOne) {
  using Pieces = std::vector<std::wstring>;
  EXPECT_EQ(SplitText(L"a;b;", L';'), (Pieces{L"a", L"b"}));
  EXPECT_EQ(SplitText(L"a;;b", L';'), (Pieces{L"a", L"", L"b"}));
  EXPECT_EQ(SplitText(L";", L';'), (Pieces{L""}));
  EXPECT_TRUE(SplitText(L"", L';').empty());
  EXPECT_EQ(TrimBlanks(L"\t \x3000 x y \r\n\x3000"), L"x y");
  EXPECT_EQ(AsciiLower(L"TrUe\x00C4Z"), L"true\x00C4z");  // only A-Z fold
}

TEST(NumberTexts, RoundingUnitsAndRangesBeyond32Bits) {
  const std::pair<std::uint64_t, const wchar_t*> shortCases[] = {
      {999, L"999"},       {1000, L"1.00K"},    {1235, L"1.24K"},          {12345, L"12.3K"},
      {123456, L"123K"},   {9996, L"10.0K"},    {999999, L"1.00M"},        {1234567, L"1.23M"},
      // Regression: values above 2^31 once wrapped negative.
      {2147483648ull, L"2.15G"}, {4294967295ull, L"4.29G"}, {18446744073709551615ull, L"18.4E"},
  };
  for (const auto& [n, text] : shortCases) EXPECT_EQ(ShortNumberText(n), text) << n;
  const std::pair<double, const wchar_t*> decimalCases[] = {
      {0, L"0"}, {12.34, L"12.3"}, {12.35, L"12.4"}, {100.0, L"100"}, {1.96, L"2"}, {0.04, L"0"}};
  for (const auto& [x, text] : decimalCases) EXPECT_EQ(DecimalText(x), text) << x;
  EXPECT_EQ(HexText(0xABCDEF) + HexByteText(10) + HexByteText(0x1FF), L"ABCDEF0A1FF");
  EXPECT_EQ(DecimalInt(-2147483648LL), L"-2147483648");
}

TEST(Utf8, RoundTripsSurrogatesAndReplacesMalformedBytes) {
  const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};
  EXPECT_EQ(Utf8ToWide(WideToUtf8(L"a\x00E9\x65E5")), L"a\x00E9\x65E5");
  EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98\x80"), pair);
  EXPECT_EQ(WideToUtf8(pair), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToWide("a\xC0\x80z\xE3"), L"a\xFFFD\xFFFDz\xFFFD");  // overlong and truncated
}

TEST(Wildcard, MasksAndWholePaths) {
  const struct {
    const wchar_t *text, *mask;
    bool wildcard, inMask;  // MatchWildcard, MatchesMask
  } cases[] = {
      {L"", L"", true, true}, {L"a", L"", false, false}, {L"abc", L"a?c", true, true}, {L"a.JPG", L"*.jpg", false, false},
      {L"a\\b\\c", L"a*c", true, true},        // "*" crosses separators
      {L"abcbcd", L"*bcd", true, true},        // needs a backtrack
      {L"mississippi", L"m*iss*ppx", false, false}, {L"x.tar.gz", L"*.*.*", true, true},
      {L"C:\\x\\a.jpg", L"a*.jpg", false, false},  // the whole path, not the name
      {L"C:\\x\\a.jpg", L" *.png ; *.jpg ", false, true},  // pieces are trimmed
      {L"", L"*.png;;", false, true},                      // the empty piece matches the empty text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchWildcard(c.text, c.mask), c.wildcard) << c.mask;
    EXPECT_EQ(MatchesMask(c.text, c.mask), c.inMask) << c.mask;
  }
}

TEST(Wildcard, ManyStarsAgainstLongTextFinish) {
  // Regression: the recursive matcher took exponential time here.
  const std::wstring text(20000, L'a');
  EXPECT_FALSE(MatchWildcard(text, L"*a*a*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(MatchWildcard(text + L"b", L"*a*a*a*a*a*a*a*a*a*a*b"));
}

TEST(ParseKeyValueText, FirstEqualsSplitsExactKeysLaterLinesWin) {
  KeyValueMap map;
  ParseKeyValueText(map, L"a=1\nb=x=y==\n=empty key\nno equals here\na=2\n Key =v\nc=\n\n");
  EXPECT_EQ(map, (KeyValueMap{{L"a", L"2"}, {L"b", L"x=y=="}, {L"", L"empty key"}, {L" Key ", L"v"}, {L"c", L""}}));
}

TEST(KeyValueGetters, LenientDigitsClampingAndWrapping) {
  KeyValueMap map{{L"b", L" 1 2 "}, {L"c", L"1-2"}, {L"d", L"abc"}, {L"e", L"300"}, {L"f", L"-5"},
                  {L"g", L""},      {L"big", L"4294967297"},      {L"long", std::wstring(10'000'000, L'9')}};
  const struct {
    const wchar_t* key;
    int lower, upper, expected;
  } ints[] = {{L"b", 0, 0, 12},   {L"c", 0, 0, -12},  {L"d", 0, 0, 0},      {L"g", 0, 0, 0},
              {L"missing", 1, 255, 7},  // the default is not clamped
              {L"e", 1, 255, 255}, {L"f", 1, 255, 1}, {L"e", 0, 0, 300},
              // Regression: huge values keep their low 32 bits instead of overflowing.
              {L"big", 0, 0, 1},   {L"big", 0, 1000, 1000}};
  for (const auto& c : ints) EXPECT_EQ(GetInt(map, c.key, 7, c.lower, c.upper), c.expected) << c.key;
  (void)GetInt(map, L"long", 0, 0, 0);  // must simply return; the sanitizers watch
  EXPECT_EQ(GetInt64(map, L"big", 0), 4294967297LL);
}

TEST(KeyValueGetters, DoublesAndBools) {
  KeyValueMap map{{L"a", L"1.5"}, {L"b", L"-0.25"}, {L"e", L"0." + std::wstring(5000, L'3')},
                  {L"f", L"False"}};
  EXPECT_DOUBLE_EQ(GetDouble(map, L"a", 0, 0, 0), 1.5);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"b", 0, 0, 0), -0.25);
  // Regression: many fraction digits gave NaN from inf/inf.
  EXPECT_NEAR(GetDouble(map, L"e", 0, 0, 0), 1.0 / 3, 1e-12);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"a", 0, 2, 10), 2.0);
  EXPECT_DOUBLE_EQ(GetDouble(map, L"x", 9.5, 0, 1), 9.5);
  EXPECT_FALSE(GetBool(map, L"f", true));  // blanks and other words: the settings keys show them
}
