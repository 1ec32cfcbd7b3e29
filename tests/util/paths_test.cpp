#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/paths.h"

using namespace tv;

TEST(PathHelpers, SplitOnBackslashThenSlash) {
  EXPECT_EQ(FileNameOf(L"C:\\a\\b.jpg"), L"b.jpg");
  EXPECT_EQ(FileNameOf(L"a/b/c.png"), L"c.png");
  EXPECT_EQ(FileNameOf(L"a/b\\c"), L"c");
  EXPECT_EQ(FileNameOf(L"plain"), L"plain");
  EXPECT_EQ(FolderOf(L"C:\\a\\b.jpg"), L"C:\\a");
  EXPECT_EQ(FolderOf(L"a/b"), L"a");
  EXPECT_EQ(FolderOf(L"plain"), L"");
  EXPECT_EQ(ExtensionOf(L"C:\\a\\b.JPG"), L".JPG");
  EXPECT_EQ(ExtensionOf(L"C:\\ver.2\\readme"), L".2\\readme");
  EXPECT_EQ(ExtensionOf(L"C:\\dir\\readme"), L"C:\\dir\\readme");
  EXPECT_EQ(PathTail(L"C:\\a\\b\\c.jpg", 1), L"b\\c.jpg");
  EXPECT_EQ(PathTail(L"C:\\a\\b\\c.jpg", 0), L"c.jpg");
  EXPECT_EQ(PathTail(L"C:\\a\\b\\c.jpg", 5), L"C:\\a\\b\\c.jpg");
  EXPECT_EQ(PathTail(L"b\\c.jpg", 1), L"b\\c.jpg");
  EXPECT_EQ(FindForbiddenChar(L"ok name\"quoted\".jpg"), -1);  // the double quote is allowed
  EXPECT_EQ(FindForbiddenChar(L"it's"), 2);
  EXPECT_EQ(FindForbiddenChar(L"a<b|c"), 1);
}

TEST(MakeUniqueName, CountsUpPastExistingFiles) {
  tvtest::TempFolder folder;
  const auto sep = std::wstring(1, tvtest::Separator());
  EXPECT_EQ(MakeUniqueName(folder.Join(L"photo.jpg")), folder.Join(L"photo.jpg"));
  folder.WriteBytes(L"photo.jpg", "x");
  EXPECT_EQ(MakeUniqueName(folder.Join(L"photo.jpg")), folder.Join(L"photo (1).jpg"));
  folder.WriteBytes(L"photo (1).jpg", "x");
  EXPECT_EQ(MakeUniqueName(folder.Join(L"photo.jpg")), folder.Join(L"photo (2).jpg"));
  // a numbered name continues the numbering of its base name
  EXPECT_EQ(MakeUniqueName(folder.Join(L"photo (1).jpg")), folder.Join(L"photo (2).jpg"));
  // a folder of the candidate's name does not count as taken
  folder.MakeFolder(L"album");
  EXPECT_EQ(MakeUniqueName(folder.Join(L"album")), folder.Join(L"album"));
}

TEST(MakeUniqueName, NumberInParenthesesRules) {
  tvtest::TempFolder folder;
  // "(" at the start of the stem: nothing is cut
  folder.WriteBytes(L"(3).png", "x");
  EXPECT_EQ(MakeUniqueName(folder.Join(L"(3).png")), folder.Join(L"(3) (1).png"));
  // the character before "(" goes whatever it is
  EXPECT_EQ(MakeUniqueName(folder.Join(L"shot_(12).png")), folder.Join(L"shot.png"));
  // Regression: "a(3)" used to be cut to an empty stem, naming the copy ".png".
  folder.WriteBytes(L"a(3).png", "x");
  EXPECT_EQ(MakeUniqueName(folder.Join(L"a(3).png")), folder.Join(L"a(3) (1).png"));
  // no digits between the parentheses: not a number
  EXPECT_EQ(MakeUniqueName(folder.Join(L"x ().png")), folder.Join(L"x ().png"));
}
