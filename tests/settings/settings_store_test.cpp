#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store.h"
#include "settings/settings_text.h"
#include "tests/settings/test_support.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"
#include "util/text.h"
#include "util/text_file.h"

using namespace tv;

namespace {

// The store of instance "work" under a temporary application-data folder.
struct IniFixture {
  tvtest::TempFolder appData;
  tvtest::RecordingHost host;
  SettingsStore store{appData.path(), L"work"};
  Settings settings;
  ImageList list;

  std::wstring Path() const { return store.IniPath(); }
  void WriteIni(const std::wstring& text) const {
    appData.MakeFolder(L"taverlune");
    ASSERT_TRUE(WriteTextFile(Path(), text));
  }
  SettingsLoadResult Load(const StartInputs& inputs = {}) { return store.LoadSettings(settings, list, inputs, host); }
  bool Save() { return store.SaveSettings(settings, list); }
  // The file holds exactly the current settings and list.
  bool HoldsCurrent() const { return ReadTextFile(Path()).text == BuildSettingsText(settings, list); }
};

StartInputs With(bool leftCtrl, bool leftShift, bool rightShift, bool files = false, bool named = false) {
  StartInputs in;
  in.keys.leftCtrl = leftCtrl, in.keys.leftShift = leftShift, in.keys.rightShift = rightShift;
  in.filesGiven = files, in.instanceIsNamed = named;
  return in;
}

// A fresh instance's file, byte for byte: every default and the key order.
constexpr wchar_t kFreshIni[] =
    L"IniFileVersion=2\nCenterX=100\nCenterY=100\nFormLeft=0\nFormTop=0\nAlwaysTop=false\nHideTaskButton=true\n"
    L"ShowingList=false\nSlideShow=false\nSSInterval=5000\nSSSaveIniInterval=300000\nFrameWidth=0\n"
    L"FrameColor=16777215\nAlphaBlendValue=255\nFontSize=9\nFixSizeRatio=false\nFitToScreen=false\nPositionMode=0\n"
    L"FixRotate=false\nRotateValue=0\nWheelSensitivity=120\nFixDiagonalLength=false\nDiagonalLength=0\n"
    L"UseWholeScreen=false\nFullScreen=false\nSizeRatio=1.000000\nLocked=false\nSearchSubFolder=true\n"
    L"LoadLastFile=false\nKeepPreviousPosition=false\nTrayIconColor=0\nUseCursorSize=0\nFullFillColor=0\n"
    L"ShortCutFileName=\nCreateSendToLink=false\nJpegCompressRatio0=85\nJpegCompressRatio1=85\n"
    L"JpegCompressRatio2=50\nJpegCompressRatio3=30\nFileMaskString=*.*\nEnableFileMask=false\n"
    L"AutoLoadFileFolder=true\nInternalLoader=*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;\nLastMovedFolder=\n"
    L"StockColor0=0\nStockColor1=0\nStockColor2=0\nStockColor3=0\nStockColor4=0\nStockColor5=0\nStockColor6=0\n"
    L"StockColor7=0\nStockColor8=0\nStockColor9=0\nStockColor10=0\nStockColor11=0\nStockColor12=0\n"
    L"StockColor13=0\nStockColor14=0\nStockColor15=0\n";

}  // namespace

TEST(SettingsStore, FreshInstanceWritesEveryDefaultInKeyOrder) {
  for (const bool named : {false, true}) {
    IniFixture f;
    const SettingsLoadResult result = f.Load(With(false, false, false, false, named));
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.listRestored);
    EXPECT_EQ(result.windowSide, 200);
    EXPECT_EQ(f.host.shortcutOffers, named ? 0 : 1);  // offered to the default instance only
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(f.settings, Settings{});
    EXPECT_EQ(f.Path(), f.appData.Join(L"taverlune") + tvtest::Separator() + L"work.ini");
    EXPECT_EQ(tvtest::ReadAllBytes(f.Path()), EncodeTextFileBytes(kFreshIni));  // the encoding has its own test
  }
}

TEST(SettingsStore, SavedSettingsAndListComeBackUnlessCtrlOrFilesAreGiven) {
  IniFixture f;
  Settings saved;
  saved.CenterX = 640, saved.LoadLastFile = true, saved.UseCursorSize = 1, saved.ShowIndex = 1;
  saved.ShowArchive = 1, saved.ShowFileName = L"img\\002.png", saved.ShowArchiveName = L"C:\\Pictures\\b.zip";
  ASSERT_TRUE(f.store.SaveSettings(saved, tvtest::SampleList()));  // creates the folder too
  EXPECT_NE(ReadTextFile(f.Path()).text.find(
                L"StockColor15=0\nFileList0=Name=C:\\Pictures\\a.jpg\tTime=1000\tSize=500\tRotate=-1\n"),
            std::wstring::npos);
  for (const StartInputs& inputs : {StartInputs{}, With(true, false, false), With(false, false, false, true)}) {
    IniFixture g;
    g.WriteIni(ReadTextFile(f.Path()).text);
    const SettingsLoadResult result = g.Load(inputs);
    const bool restored = !inputs.keys.leftCtrl && !inputs.filesGiven;
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.listRestored, restored);
    EXPECT_EQ(result.windowSide, 300);
    EXPECT_EQ(g.host.shortcutOffers, 0);
    EXPECT_EQ(g.settings.CenterX, 640);  // the settings themselves are always read
    EXPECT_EQ(g.settings == saved, restored);
    EXPECT_TRUE(tvtest::SameEntries(g.list, restored ? tvtest::SampleList() : ImageList{}));
  }
}

TEST(SettingsStore, RestoredListFollowsTheMaskAndAUsableFileGetsNoBackup) {
  IniFixture f;
  f.WriteIni(L"IniFileVersion=2\nLoadLastFile=true\nShowIndex=-4\nEnableFileMask=true\nFileMaskString=*.jpg\n"
             L"FileList0=Name=C:\\a.jpg\tTime=1\tSize=2\tRotate=0\nFileList1=Name=C:\\b.png\tTime=1\tSize=2\tRotate=0\n");
  ASSERT_TRUE(f.Load().listRestored);
  EXPECT_EQ(f.settings.ShowIndex, 0);  // never negative
  ASSERT_EQ(f.list.size(), 1u);
  EXPECT_EQ(f.list[0].path, L"C:\\a.jpg");
  EXPECT_TRUE(f.Save());
  EXPECT_FALSE(IsExistingFile(f.Path() + L".bak"));
}

TEST(SettingsStore, CtrlShiftStartsWithoutReadingTheFile) {
  IniFixture f;
  f.WriteIni(L"IniFileVersion=2\nCenterX=5\n");
  EXPECT_TRUE(f.Load(With(true, true, false)).ok);
  EXPECT_EQ(f.settings, Settings{});
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].textId, kStartWithoutIniTextId);
  EXPECT_EQ(f.host.messages[0].text, L"Start without ini File.\nReset plugin folder and other Settings.");
  EXPECT_EQ(f.host.messages[0].caption, L"Information");
  IniFixture crossed;  // Ctrl and Shift of different sides
  crossed.WriteIni(L"IniFileVersion=2\nCenterX=5\n");
  EXPECT_TRUE(crossed.Load(With(true, false, true)).ok);
  EXPECT_EQ(crossed.settings.CenterX, 5);
}

// A file of another version, without one, or empty is read as nothing, without
// a word; the first save keeps it as the backup, replacing an older backup.
TEST(SettingsStore, UnusableFileIsBackedUpBeforeItIsOverwritten) {
  for (const wchar_t* text : {L"IniFileVersion=1\nCenterX=5\nHistory0=C:\\precious\n", L"IniFileVersion=3\nCenterX=5\n",
                              L"CenterX=5\n", L""}) {
    SCOPED_TRACE(WideToUtf8(text));
    IniFixture f;
    f.WriteIni(text);
    const std::string old = tvtest::ReadAllBytes(f.Path());
    ASSERT_TRUE(WriteFileReplacing(f.Path() + L".bak", "older backup"));
    EXPECT_FALSE(f.Load().ok);
    EXPECT_EQ(f.settings, Settings{});
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(tvtest::ReadAllBytes(f.Path()), old);  // reading changes nothing
    for (const int centerX : {321, 322}) {  // only the first overwrite makes a backup
      f.settings.CenterX = centerX;
      ASSERT_TRUE(f.Save());
      ASSERT_TRUE(f.HoldsCurrent());
      EXPECT_EQ(tvtest::ReadAllBytes(f.Path() + L".bak"), old);
    }
  }
}

TEST(SettingsStore, FileThatCannotBeReadIsKeptAndNeverOverwritten) {
  IniFixture f;  // a folder in the file's place reads as "exists but unreadable"
  f.appData.MakeFolder(L"taverlune");
  f.appData.MakeFolder(L"taverlune" + std::wstring(1, tvtest::Separator()) + L"work.ini");
  EXPECT_FALSE(f.Load().ok);
  EXPECT_TRUE(f.store.KeepsUnreadableFile());
  EXPECT_EQ(f.host.shortcutOffers, 0);  // not taken for a first start
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].caption, L"Failed");
  EXPECT_NE(f.host.messages[0].text.find(f.Path()), std::wstring::npos);
  EXPECT_TRUE(f.Save());
  EXPECT_TRUE(IsExistingFolder(f.Path()));
  EXPECT_FALSE(IsExistingFile(f.Path() + L".bak"));
  EXPECT_EQ(f.host.messages.size(), 1u);
}

TEST(SettingsStore, DisabledSavingWritesNothing) {
  IniFixture f;
  f.store.DisableSaving();
  EXPECT_TRUE(f.Save());
  EXPECT_FALSE(IsExistingFolder(SettingsFolderIn(f.appData.path())));
}

TEST(SettingsStore, SaveReportsAFileThatCannotBeWritten) {
  IniFixture f;
  f.appData.WriteBytes(L"taverlune", "not a folder");  // where the settings folder should be
  EXPECT_FALSE(f.Save());
  EXPECT_EQ(tvtest::ReadAllBytes(f.appData.Join(L"taverlune")), "not a folder");
}

TEST(SettingsStore, UnknownAppDataFolderReadsAndWritesNothing) {
  IniFixture f;
  f.store = SettingsStore(L"", L"work");
  EXPECT_EQ(f.Path(), L"");
  EXPECT_FALSE(f.Load().ok);
  EXPECT_FALSE(f.Save());
  EXPECT_EQ(f.host.shortcutOffers, 0);
  EXPECT_FALSE(IsExistingFolder(SettingsFolderIn(L"")));
}
