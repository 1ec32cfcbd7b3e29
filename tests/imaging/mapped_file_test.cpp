#include <gtest/gtest.h>

#include <windows.h>

#include "imaging/mapped_file.h"
#include "tests/support/temp_folder.h"
#include "util/win_handles.h"

using tv::MappedFile;

TEST(MappedFile, MapsAndReadsTheWholeFileWithinTheSizeBounds) {
  tvtest::TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<char>((i * 7 + i / 256) & 0xFF));
  MappedFile file;
  ASSERT_TRUE(file.Open(folder.WriteBytes(L"long.bin", bytes)));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()), file.size()), bytes);
  std::string read(bytes.size(), '\0');
  ASSERT_TRUE(file.ReadAll(read.data()));
  EXPECT_EQ(read, bytes);
  EXPECT_TRUE(MappedFile().Open(folder.WriteBytes(L"ten.bin", "1234567890")));
  EXPECT_FALSE(MappedFile().Open(folder.WriteBytes(L"nine.bin", "123456789")));
  EXPECT_FALSE(MappedFile().Open(folder.Join(L"missing.bin")));
  const auto big = folder.Join(L"big.bin");  // one byte over the bound, sparse-cheap
  {
    tv::UniqueFile handle(::CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER end{};
    end.QuadPart = MappedFile::kMaximumSize + 1;
    ASSERT_TRUE(::SetFilePointerEx(handle.get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(handle.get()));
  }
  EXPECT_FALSE(MappedFile().Open(big));
}

TEST(MappedFile, TheViewCannotChangeTheFile) {
  tvtest::TempFolder folder;
  const auto path = folder.WriteBytes(L"guarded.bin", "original bytes!");
  MappedFile file;
  ASSERT_TRUE(file.Open(path));
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_NE(::VirtualQuery(file.data(), &info, sizeof info), 0u);
  EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READONLY));
  DWORD old = 0;  // a plug-in handed the view cannot make its pages writable
  EXPECT_FALSE(::VirtualProtect(const_cast<std::uint8_t*>(file.data()), 1, PAGE_READWRITE, &old));
  EXPECT_EQ(tvtest::ReadAllBytes(path), "original bytes!");
  tv::UniqueFile other(::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     0, nullptr));
  EXPECT_TRUE(other);
}
