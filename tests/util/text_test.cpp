#include <gtest/gtest.h>

#include "util/text.h"

using namespace tv;

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsTrailingOne) {
  EXPECT_EQ(SplitText(L"a;b;", L';'), (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(SplitText(L"a;;b", L';'), (std::vector<std::wstring>{L"a", L"", L"b"}));
  EXPECT_TRUE(SplitText(L"", L';').empty());
  EXPECT_EQ(SplitText(L";", L';'), (std::vector<std::wstring>{L""}));
  EXPECT_EQ(SplitText(L"abc", L';'), (std::vector<std::wstring>{L"abc"}));
}

TEST(TrimBlanks, TrimsControlSpaceAndIdeographicSpace) {
  EXPECT_EQ(TrimBlanks(L"\t \x3000 x y \r\n\x3000"), L"x y");
  EXPECT_EQ(TrimBlanks(L"   "), L"");
  EXPECT_EQ(AsciiLower(L"TrUe\x00C4Z"), L"true\x00C4z");  // only A-Z fold
}

TEST(ShortNumberText, ThreeSignificantDigitsWithUnit) {
  const std::pair<std::uint64_t, const wchar_t*> cases[] = {
      {0, L"0"},          {7, L"7"},           {12, L"12"},          {999, L"999"},
      {1000, L"1.00K"},   {1234, L"1.23K"},    {12345, L"12.3K"},    {123456, L"123K"},
      {1234567, L"1.23M"}, {9996, L"10.0K"},   {999999, L"1.00M"},   {1235, L"1.24K"},
      // beyond the signed 32-bit range the same style continues
      {2147483648ull, L"2.15G"}, {4294967295ull, L"4.29G"}, {18446744073709551615ull, L"18.4E"},
  };
  for (const auto& [n, text] : cases) EXPECT_EQ(ShortNumberText(n), text) << n;
}

TEST(DecimalText, OneDigitRoundedHalfUp) {
  EXPECT_EQ(DecimalText(0), L"0");
  EXPECT_EQ(DecimalText(12.34), L"12.3");
  EXPECT_EQ(DecimalText(12.35), L"12.4");  // 12.35 is stored just below .35
  EXPECT_EQ(DecimalText(100.0), L"100");
  EXPECT_EQ(DecimalText(1.96), L"2");
  EXPECT_EQ(DecimalText(0.04), L"0");
  EXPECT_EQ(DecimalText(2.8), L"2.8");
}

TEST(HexText, UpperCaseAndPadding) {
  EXPECT_EQ(HexText(0), L"0");
  EXPECT_EQ(HexText(0xABCDEF), L"ABCDEF");
  EXPECT_EQ(HexByteText(10), L"0A");
  EXPECT_EQ(HexByteText(255), L"FF");
  EXPECT_EQ(HexByteText(0x1FF), L"1FF");
  EXPECT_EQ(DecimalInt(-2147483648LL), L"-2147483648");
}

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
  const std::wstring text = L"a\x00E9\x65E5\x672C";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(L"\x00E9"), "\xC3\xA9");
  EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98\x80"), std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)}));
  EXPECT_EQ(WideToUtf8(std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)})), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToWide("a\xC0\x80z\xE3"), L"a\xFFFD\xFFFDz\xFFFD");  // overlong and truncated
}
