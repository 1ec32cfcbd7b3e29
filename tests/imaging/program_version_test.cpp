#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "imaging/program_version.h"
#include "tests/menus/shipped_program.h"
#include "tests/support/temp_folder.h"

using namespace tv;

namespace {
// The "FileVersion" text of the resource script's string block.
std::wstring FileVersionString(const std::wstring& path) {
  DWORD ignored = 0;
  std::vector<std::uint8_t> block(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
  if (block.empty() || !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return L"";
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\FileVersion", &value, &length) || length == 0)
    return L"";
  return static_cast<const wchar_t*>(value);
}
}  // namespace

TEST(ProgramVersion, ShippedProgramShowsTheVersionOfItsResourceScript) {
  const std::wstring shipped = tvtest::ShippedProgramPath();
  const std::wstring written = FileVersionString(shipped);
  ASSERT_FALSE(written.empty());
  const auto version = ReadFileVersion(shipped);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(VersionText(*version), L"version " + written);
  tvtest::TempFolder folder;
  EXPECT_FALSE(ReadFileVersion(folder.WriteBytes(L"plain.txt", "no resources here")).has_value());
  EXPECT_FALSE(ReadFileVersion(folder.Join(L"absent.exe")).has_value());
}
