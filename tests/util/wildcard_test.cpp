#include <gtest/gtest.h>

#include "util/wildcard.h"

using namespace tv;

TEST(MatchWildcard, StarQuestionAndLiterals) {
  EXPECT_TRUE(MatchWildcard(L"C:\\Pictures\\a.jpg", L"*.jpg"));
  EXPECT_TRUE(MatchWildcard(L"", L"*"));
  EXPECT_TRUE(MatchWildcard(L"", L""));
  EXPECT_FALSE(MatchWildcard(L"a", L""));
  EXPECT_TRUE(MatchWildcard(L"abc", L"a?c"));
  EXPECT_FALSE(MatchWildcard(L"ac", L"a?c"));
  EXPECT_TRUE(MatchWildcard(L"a\\b\\c", L"a*c"));  // "*" crosses separators
  EXPECT_FALSE(MatchWildcard(L"a.JPG", L"*.jpg"));
  EXPECT_TRUE(MatchWildcard(L"abcbcd", L"*bcd"));   // needs a backtrack
  EXPECT_TRUE(MatchWildcard(L"mississippi", L"m*iss*ppi"));
  EXPECT_FALSE(MatchWildcard(L"mississippi", L"m*iss*ppx"));
  EXPECT_TRUE(MatchWildcard(L"x.tar.gz", L"*.*.*"));
  EXPECT_FALSE(MatchWildcard(L"xtargz", L"*.*"));
}

TEST(MatchWildcard, ManyStarsAgainstLongTextFinish) {
  // The recursive form takes exponential time here; the result must come back.
  const std::wstring text(20000, L'a');
  EXPECT_FALSE(MatchWildcard(text, L"*a*a*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(MatchWildcard(text + L"b", L"*a*a*a*a*a*a*a*a*a*a*b"));
}

TEST(MatchesMask, SplitsTrimsAndMatchesWholePaths) {
  EXPECT_FALSE(MatchesMask(L"C:\\x\\a.JPG", L"*.jpg"));
  EXPECT_TRUE(MatchesMask(L"C:\\x\\a.jpg", L" *.png ; *.jpg "));
  EXPECT_FALSE(MatchesMask(L"C:\\x\\a.jpg", L"a*.jpg"));  // full path starts with the drive
  EXPECT_TRUE(MatchesMask(L"C:\\x.y\\file", L"*.*"));
  EXPECT_TRUE(MatchesMask(L"", L""));
  EXPECT_FALSE(MatchesMask(L"a", L""));
  EXPECT_TRUE(MatchesMask(L"", L"*.png;;"));  // the empty piece matches the empty text
}
