#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store.h"
#include "settings/settings_text.h"
#include "tests/settings/recording_host.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text_file.h"

using namespace tv;
using tvtest::RecordingHost;
using tvtest::TempFolder;

namespace {

ImageList SampleList() {
  ImageEntry zip{L"C:\\Pictures\\b.zip", 4102444800, 4000000000u, 0, {}};
  zip.members = {{L"img\\001.png", 2000, 800, 0, {}}, {L"img\\002.jpg", 2001, 801, 1, {}}};
  return {{L"C:\\Pictures\\a.jpg", 1000, 500, -1, {}}, zip, {L"C:\\Pictures\\c.png", -5, 0, 3, {}}};
}

// The ini file of instance "work" (or "taverlune") under a temporary
// application-data folder.
struct IniFixture {
  TempFolder appData;
  RecordingHost host;

  std::wstring IniPath(const std::wstring& instance = L"work") const { return IniFilePath(appData.path(), instance); }
  void WriteIni(const std::wstring& text, const std::wstring& instance = L"work") const {
    appData.MakeFolder(L"taverlune");
    ASSERT_TRUE(WriteTextFile(IniPath(instance), text));
  }
};

}  // namespace

TEST(SettingsLocation, IniFileLivesInTheProgramFolderOfAppData) {
  const std::wstring sep(1, tvtest::Separator());
  EXPECT_EQ(SettingsFolderIn(L"base"), L"base" + sep + L"taverlune");
  EXPECT_EQ(IniFilePath(L"base", L"work"), L"base" + sep + L"taverlune" + sep + L"work.ini");
  SettingsStore store(L"base", L"taverlune");
  EXPECT_EQ(store.IniPath(), L"base" + sep + L"taverlune" + sep + L"taverlune.ini");
}

TEST(StartInputsMeaning, KeysAndArgumentsDecideWhatIsRead) {
  StartInputs plain;
  EXPECT_FALSE(StartsWithoutIni(plain));
  EXPECT_TRUE(RestoresSavedList(plain, true));
  EXPECT_FALSE(RestoresSavedList(plain, false));
  EXPECT_TRUE(OffersFirstStartShortcut(plain));

  StartInputs sameSide;
  sameSide.keys.rightCtrl = sameSide.keys.rightShift = true;
  EXPECT_TRUE(StartsWithoutIni(sameSide));
  StartInputs crossed;
  crossed.keys.leftCtrl = crossed.keys.rightShift = true;
  EXPECT_FALSE(StartsWithoutIni(crossed));
  EXPECT_FALSE(RestoresSavedList(crossed, true));  // Ctrl alone keeps the list away

  StartInputs files;
  files.filesGiven = true;
  EXPECT_FALSE(RestoresSavedList(files, true));
  StartInputs named;
  named.instanceIsNamed = true;
  EXPECT_FALSE(OffersFirstStartShortcut(named));
}

TEST(SettingsStore, MissingFileIsCreatedWithInitialValues) {
  for (const bool named : {false, true}) {
    SCOPED_TRACE(named);
    IniFixture f;
    const std::wstring instance = named ? L"work" : L"taverlune";
    SettingsStore store(f.appData.path(), instance);
    Settings settings;
    ImageList list;
    StartInputs inputs;
    inputs.instanceIsNamed = named;
    const SettingsLoadResult result = store.LoadSettings(settings, list, inputs, f.host);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.listRestored);
    EXPECT_EQ(result.windowSide, 200);
    EXPECT_EQ(f.host.shortcutOffers, named ? 0 : 1);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(tvtest::ReadAllBytes(f.IniPath(instance)), EncodeTextFileBytes(BuildSettingsText(Settings{}, {})));
  }
}

TEST(SettingsStore, SavedSettingsAndListComeBack) {
  IniFixture f;
  Settings saved;
  saved.CenterX = 640;
  saved.LoadLastFile = true;
  saved.UseCursorSize = 1;
  saved.ShowIndex = 1;
  saved.ShowArchive = 1;
  saved.ShowFileName = L"img\\002.jpg";
  saved.ShowArchiveName = L"C:\\Pictures\\b.zip";
  saved.History = {L"C:\\Pictures"};
  {
    SettingsStore store(f.appData.path(), L"work");
    ASSERT_TRUE(store.SaveSettings(saved, SampleList()));  // creates the folder too
  }
  const std::wstring text = ReadTextFile(f.IniPath()).text;
  EXPECT_NE(text.find(L"StockColor15=0\nFileList0=Name=C:\\Pictures\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"),
            std::wstring::npos);

  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  const SettingsLoadResult result = store.LoadSettings(settings, list, {}, f.host);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.listRestored);
  EXPECT_EQ(result.windowSide, 300);
  EXPECT_EQ(settings, saved);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].members.size(), 2u);
  EXPECT_EQ(list[1].time, 4102444800);  // after 2038
  EXPECT_EQ(list[1].members[1].path, L"img\\002.jpg");
  EXPECT_EQ(list[2].time, -5);
  EXPECT_EQ(f.host.shortcutOffers, 0);
}

TEST(SettingsStore, CtrlOrFileArgumentsLeaveTheSavedListUnread) {
  IniFixture f;
  Settings saved;
  saved.LoadLastFile = true;
  saved.ShowIndex = 2;
  saved.CenterY = 77;
  ASSERT_TRUE(SettingsStore(f.appData.path(), L"work").SaveSettings(saved, SampleList()));
  StartInputs ctrl;
  ctrl.keys.leftCtrl = true;
  StartInputs files;
  files.filesGiven = true;
  for (const StartInputs& inputs : {ctrl, files}) {
    SettingsStore store(f.appData.path(), L"work");
    Settings settings;
    ImageList list;
    const SettingsLoadResult result = store.LoadSettings(settings, list, inputs, f.host);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.listRestored);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(settings.ShowIndex, -1);
    EXPECT_EQ(settings.CenterY, 77);  // the settings themselves are read
  }
}

TEST(SettingsStore, RestoredPositionIsNeverNegative) {
  IniFixture f;
  f.WriteIni(L"IniFileVersion=2\nLoadLastFile=true\nShowIndex=-4\nFileList0=Name=a.jpg\tTime=1\tSize=2\tRotate=0");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  EXPECT_TRUE(store.LoadSettings(settings, list, {}, f.host).listRestored);
  EXPECT_EQ(settings.ShowIndex, 0);
  ASSERT_EQ(list.size(), 1u);
}

TEST(SettingsStore, RestoredListFollowsTheFileMask) {
  IniFixture f;
  f.WriteIni(
      L"IniFileVersion=2\nLoadLastFile=true\nEnableFileMask=true\nFileMaskString=*.jpg\n"
      L"FileList0=Name=C:\\a.jpg\tTime=1\tSize=2\tRotate=0\nFileList1=Name=C:\\b.png\tTime=1\tSize=2\tRotate=0\n");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  store.LoadSettings(settings, list, {}, f.host);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].path, L"C:\\a.jpg");
}

TEST(SettingsStore, CtrlShiftStartsWithoutReadingTheFile) {
  IniFixture f;
  f.WriteIni(L"IniFileVersion=2\nCenterX=5\n");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  StartInputs inputs;
  inputs.keys.leftCtrl = inputs.keys.leftShift = true;
  EXPECT_TRUE(store.LoadSettings(settings, list, inputs, f.host).ok);
  EXPECT_EQ(settings, Settings{});
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].textId, kStartWithoutIniTextId);
  EXPECT_EQ(f.host.messages[0].text, L"Start without ini File.\nReset plugin folder and other Settings.");
  EXPECT_EQ(f.host.messages[0].caption, L"Information");
}

TEST(SettingsStore, UnusableFileIsBackedUpBeforeItIsOverwritten) {
  IniFixture f;
  f.appData.MakeFolder(L"taverlune");
  const std::string old = EncodeTextFileBytes(L"IniFileVersion=1\nCenterX=5\nHistory0=C:\\precious\n");
  f.appData.WriteBytes(L"taverlune" + std::wstring(1, tvtest::Separator()) + L"work.ini", old);
  f.appData.WriteBytes(L"taverlune" + std::wstring(1, tvtest::Separator()) + L"work.ini.bak", "older backup");

  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  EXPECT_FALSE(store.LoadSettings(settings, list, {}, f.host).ok);
  EXPECT_EQ(settings, Settings{});  // version 1: nothing read
  EXPECT_EQ(tvtest::ReadAllBytes(f.IniPath()), old);  // reading changes nothing

  settings.CenterX = 321;
  ASSERT_TRUE(store.SaveSettings(settings, list));
  EXPECT_EQ(tvtest::ReadAllBytes(f.IniPath() + L".bak"), old);
  EXPECT_EQ(ReadTextFile(f.IniPath()).text, BuildSettingsText(settings, list));

  // only the first overwrite makes a backup: the user's old file stays there
  settings.CenterX = 322;
  ASSERT_TRUE(store.SaveSettings(settings, list));
  EXPECT_EQ(tvtest::ReadAllBytes(f.IniPath() + L".bak"), old);
}

TEST(SettingsStore, UsableFileGetsNoBackup) {
  IniFixture f;
  f.WriteIni(L"IniFileVersion=2\nCenterX=5\n");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  ASSERT_TRUE(store.LoadSettings(settings, list, {}, f.host).ok);
  EXPECT_EQ(settings.CenterX, 5);
  ASSERT_TRUE(store.SaveSettings(settings, list));
  EXPECT_FALSE(IsExistingFile(f.IniPath() + L".bak"));
}

TEST(SettingsStore, EmptyFileReadsAsUnusableAndIsReplaced) {
  IniFixture f;
  f.WriteIni(L"");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  EXPECT_FALSE(store.LoadSettings(settings, list, {}, f.host).ok);
  EXPECT_TRUE(f.host.messages.empty());
  ASSERT_TRUE(store.SaveSettings(settings, list));
  EXPECT_EQ(ReadTextFile(f.IniPath()).text, BuildSettingsText(settings, list));
}

TEST(SettingsStore, FileThatCannotBeReadIsKeptAndNeverOverwritten) {
  // A folder in the file's place reads as "exists but unreadable" everywhere.
  IniFixture f;
  f.appData.MakeFolder(L"taverlune");
  f.appData.MakeFolder(L"taverlune" + std::wstring(1, tvtest::Separator()) + L"work.ini");
  SettingsStore store(f.appData.path(), L"work");
  Settings settings;
  ImageList list;
  EXPECT_FALSE(store.LoadSettings(settings, list, {}, f.host).ok);
  EXPECT_TRUE(store.KeepsUnreadableFile());
  EXPECT_EQ(f.host.shortcutOffers, 0);  // not taken for a first start
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].caption, L"Failed");
  EXPECT_NE(f.host.messages[0].text.find(f.IniPath()), std::wstring::npos);
  settings.CenterX = 1;
  EXPECT_TRUE(store.SaveSettings(settings, list));
  EXPECT_TRUE(store.SaveSettings(settings, list));
  EXPECT_TRUE(IsExistingFolder(f.IniPath()));
  EXPECT_FALSE(IsExistingFile(f.IniPath() + L".bak"));
  EXPECT_EQ(f.host.messages.size(), 1u);  // said once
}

TEST(SettingsStore, DisabledSavingWritesNothing) {
  IniFixture f;
  SettingsStore store(f.appData.path(), L"work");
  store.DisableSaving();
  EXPECT_TRUE(store.SavingDisabled());
  EXPECT_TRUE(store.SaveSettings(Settings{}, {}));
  EXPECT_FALSE(IsExistingFile(f.IniPath()));
  EXPECT_FALSE(IsExistingFolder(SettingsFolderIn(f.appData.path())));
}

TEST(SettingsStore, SaveReportsAFileThatCannotBeWritten) {
  IniFixture f;
  // a plain file where the settings folder should be
  f.appData.WriteBytes(L"taverlune", "not a folder");
  SettingsStore store(f.appData.path(), L"work");
  EXPECT_FALSE(store.SaveSettings(Settings{}, {}));
  EXPECT_EQ(tvtest::ReadAllBytes(f.appData.Join(L"taverlune")), "not a folder");
}

TEST(SettingsStore, UnknownAppDataFolderReadsAndWritesNothing) {
  SettingsStore store(L"", L"work");
  EXPECT_EQ(store.IniPath(), L"");
  RecordingHost host;
  Settings settings;
  ImageList list;
  EXPECT_FALSE(store.LoadSettings(settings, list, {}, host).ok);
  EXPECT_EQ(settings, Settings{});
  EXPECT_EQ(host.shortcutOffers, 0);
  EXPECT_FALSE(store.SaveSettings(settings, list));
  EXPECT_FALSE(IsExistingFolder(SettingsFolderIn(L"")));
}
