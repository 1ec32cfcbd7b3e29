#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "imaging/mapped_file.h"
#include "tests/support/temp_folder.h"
#include "util/win_handles.h"

using tv::MappedFile;

TEST(MappedFile, MapsTheWholeFile) {
  tvtest::TempFolder folder;
  const std::string bytes = "0123456789abcdef";
  const auto path = folder.WriteBytes(L"a.bin", bytes);
  MappedFile file;
  ASSERT_TRUE(file.Open(path));
  ASSERT_EQ(file.size(), bytes.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()), file.size()), bytes);
}

TEST(MappedFile, SizeBoundsAndMissingFile) {
  tvtest::TempFolder folder;
  MappedFile file;
  EXPECT_FALSE(file.Open(folder.WriteBytes(L"nine.bin", "123456789")));
  EXPECT_TRUE(file.Open(folder.WriteBytes(L"ten.bin", "1234567890")));
  EXPECT_FALSE(MappedFile().Open(folder.Join(L"missing.bin")));
  // One byte over the bound, made sparse-cheap by setting the end of file.
  const auto big = folder.Join(L"big.bin");
  {
    tv::UniqueFile handle(::CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(handle);
    LARGE_INTEGER end{};
    end.QuadPart = MappedFile::kMaximumSize + 1;
    ASSERT_TRUE(::SetFilePointerEx(handle.get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(handle.get()));
  }
  EXPECT_FALSE(MappedFile().Open(big));
}

TEST(MappedFile, ReadOnlyFileOpens) {
  tvtest::TempFolder folder;
  const auto path = folder.WriteBytes(L"ro.bin", "read only content");
  ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  MappedFile file;
  EXPECT_TRUE(file.Open(path));
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // lets the folder be removed
}

TEST(MappedFile, OpensWhileAnotherProgramWritesTheFileAndLetsItKeepWriting) {
  tvtest::TempFolder folder;
  const auto path = folder.WriteBytes(L"busy.bin", "busy content here");
  // Another program holding the file open for writing, sharing read and write.
  tv::UniqueFile writer(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  MappedFile file;
  ASSERT_TRUE(file.Open(path));
  // And while the view is open, others can still open it for writing and deleting.
  writer.reset();
  tv::UniqueFile second(::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      0, nullptr));
  EXPECT_TRUE(second);
}

TEST(MappedFile, TheViewCannotChangeTheFile) {
  tvtest::TempFolder folder;
  const std::string bytes = "original bytes!";
  const auto path = folder.WriteBytes(L"guarded.bin", bytes);
  MappedFile file;
  ASSERT_TRUE(file.Open(path));
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_NE(::VirtualQuery(file.data(), &info, sizeof info), 0u);
  EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READONLY));
  // A writer handed the view (a plug-in) cannot make its pages writable.
  DWORD old = 0;
  EXPECT_FALSE(::VirtualProtect(const_cast<std::uint8_t*>(file.data()), 1, PAGE_READWRITE, &old));
  EXPECT_EQ(tvtest::ReadAllBytes(path), bytes);
}

TEST(MappedFile, ReadAllGivesTheSameBytesAsTheView) {
  tvtest::TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<char>((i * 7 + i / 256) & 0xFF));
  MappedFile file;
  ASSERT_TRUE(file.Open(folder.WriteBytes(L"long.bin", bytes)));
  std::string read(bytes.size(), '\0');
  ASSERT_TRUE(file.ReadAll(read.data()));
  EXPECT_EQ(read, bytes);
  EXPECT_FALSE(MappedFile().ReadAll(read.data()));  // nothing open
}
