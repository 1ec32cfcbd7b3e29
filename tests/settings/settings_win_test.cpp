#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/app_data_folder.h"
#include "settings/make_folder.h"
#include "settings/settings_store.h"
#include "tests/settings/test_support.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text_file.h"
#include "util/win_handles.h"

using namespace tv;

TEST(SettingsWin, AppDataFolderExistsAndOneFolderLevelIsMade) {
  EXPECT_TRUE(IsExistingFolder(LocalAppDataFolder()));
  tvtest::TempFolder temp;
  EXPECT_TRUE(MakeFolderIfMissing(temp.Join(L"taverlune")));
  EXPECT_TRUE(MakeFolderIfMissing(temp.Join(L"taverlune")));  // already there
  EXPECT_FALSE(MakeFolderIfMissing(temp.Join(L"a\\b")));
}

TEST(SettingsWin, IniLockedByAnotherProgramIsKeptAndNotOverwritten) {
  tvtest::TempFolder appData;
  appData.MakeFolder(L"taverlune");
  const std::wstring path = IniFilePath(appData.path(), L"work");
  ASSERT_TRUE(WriteTextFile(path, L"IniFileVersion=2\nCenterX=5\nHistory0=C:\\precious\n"));
  const std::string before = tvtest::ReadAllBytes(path);
  SettingsStore store(appData.path(), L"work");
  tvtest::RecordingHost host;
  Settings settings;
  ImageList list;
  {
    UniqueFile lock(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));  // no sharing at all
    ASSERT_TRUE(lock);
    EXPECT_FALSE(store.LoadSettings(settings, list, {}, host).ok);
  }
  EXPECT_EQ(settings, Settings{});
  EXPECT_EQ(host.shortcutOffers, 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, L"Failed");
  settings.CenterX = 999;
  EXPECT_TRUE(store.SaveSettings(settings, list));  // the lock is gone now, still not written
  EXPECT_EQ(tvtest::ReadAllBytes(path), before);
}
