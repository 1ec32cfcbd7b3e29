#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/colour.h"
#include "settings/settings_keys.h"
#include "settings/settings_text.h"
#include "tests/settings/key_value_helpers.h"
#include "util/text.h"

using namespace tv;
using tvtest::MapOf;

namespace {

Settings ReadBack(const std::wstring& text) {
  Settings settings;
  ReadSettingsValues(settings, MapOf(text));
  return settings;
}

// Every field away from its initial value, inside its range.
Settings Varied() {
  Settings s;
  s.CenterX = -20;
  s.CenterY = 3000;
  s.FormLeft = -1920;
  s.FormTop = 17;
  s.ShowIndex = 12;
  s.ShowArchive = 3;
  s.ShowFileName = L"img\\001.png";
  s.ShowArchiveName = L"C:\\Pictures\\b.zip";
  s.tflFileName = L"C:\\lists\\all.tfl";
  s.AlwaysTop = true;
  s.HideTaskButton = false;
  s.ShowingList = true;
  s.SlideShow = true;
  s.SSInterval = 86'400'000;
  s.SSSaveIniInterval = 1234;
  s.FrameWidth = 30;
  s.FrameColor = 0xFF123456;
  s.AlphaBlendValue = 64;
  s.FontSize = 21;
  s.FixSizeRatio = true;
  s.FitToScreen = true;
  s.PositionMode = 5;
  s.FixRotate = true;
  s.RotateValue = 3;
  s.WheelSensitivity = 1440;
  s.FixDiagonalLength = true;
  s.DiagonalLength = 999;
  s.UseWholeScreen = true;
  s.FullScreen = true;
  s.SizeRatio = 2.5;
  s.Locked = true;
  s.SearchSubFolder = false;
  s.LoadLastFile = true;
  s.KeepPreviousPosition = true;
  s.TrayIconColor = 5;
  s.UseCursorSize = 2;
  s.FullFillColor = 0xFF0080FF;
  s.ShortCutFileName = L"C:\\Users\\me\\Desktop\\work.lnk";
  s.CreateSendToLink = true;
  s.JpegCompressRatio0 = 1;
  s.JpegCompressRatio1 = 100;
  s.JpegCompressRatio2 = 7;
  s.JpegCompressRatio3 = 99;
  s.FileMaskString = L"*.jpg; *.png";
  s.EnableFileMask = true;
  s.AutoLoadFileFolder = false;
  s.PluginPath = {L"C:\\plugins", L"D:\\more plugins", L"E:\\x=y"};
  s.InternalLoader = L"*.png;";
  s.LastMovedFolder = L"C:\\sorted";
  s.MaxMovedFolderNum = 3;
  s.MovedFolder = {L"C:\\a", L"C:\\b", L"C:\\c"};
  s.MaxHistoryNum = 50;
  s.History = {L"C:\\h1", L"C:\\h2 \x65E5\x672C"};
  for (size_t i = 0; i < s.StockColor.size(); ++i) s.StockColor[i] = static_cast<ColourRef>(0x10101 * i);
  return s;
}

std::vector<std::wstring> Lines(const std::wstring& text) { return SplitText(text, L'\n'); }

}  // namespace

TEST(Colour, ConvertsBetweenArgbAndColourReference) {
  EXPECT_EQ(ColourRefToArgb(0x00563412), 0xFF123456u);
  EXPECT_EQ(ArgbToColourRef(0xFF123456), 0x00563412u);
  EXPECT_EQ(ColourRefToArgb(0), 0xFF000000u);  // black stays opaque
  EXPECT_EQ(ArgbToColourRef(0x7F0000FF), 0x00FF0000u);  // alpha is not stored
}

TEST(SettingsText, InitialValuesAreWrittenInKeyOrder) {
  std::wstring expected =
      L"IniFileVersion=2\nCenterX=100\nCenterY=100\nFormLeft=0\nFormTop=0\nAlwaysTop=false\n"
      L"HideTaskButton=true\nShowingList=false\nSlideShow=false\nSSInterval=5000\nSSSaveIniInterval=300000\n"
      L"FrameWidth=0\nFrameColor=16777215\nAlphaBlendValue=255\nFontSize=9\nFixSizeRatio=false\n"
      L"FitToScreen=false\nPositionMode=0\nFixRotate=false\nRotateValue=0\nWheelSensitivity=120\n"
      L"FixDiagonalLength=false\nDiagonalLength=0\nUseWholeScreen=false\nFullScreen=false\n"
      L"SizeRatio=1.000000\nLocked=false\nSearchSubFolder=true\nLoadLastFile=false\n"
      L"KeepPreviousPosition=false\nTrayIconColor=0\nUseCursorSize=0\nFullFillColor=0\nShortCutFileName=\n"
      L"CreateSendToLink=false\nJpegCompressRatio0=85\nJpegCompressRatio1=85\nJpegCompressRatio2=50\n"
      L"JpegCompressRatio3=30\nFileMaskString=*.*\nEnableFileMask=false\nAutoLoadFileFolder=true\n"
      L"InternalLoader=*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;\nLastMovedFolder=\n";
  for (int i = 0; i < 16; ++i) expected += L"StockColor" + DecimalInt(i) + L"=0\n";
  EXPECT_EQ(BuildSettingsText(Settings{}, {}), expected);
}

TEST(SettingsText, VariedRecordIsWrittenWithItsFormatRules) {
  const Settings s = Varied();
  const std::vector<std::wstring> lines = Lines(BuildSettingsText(s, {}));
  auto has = [&lines](const std::wstring& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has(L"CenterX=-20"));
  EXPECT_TRUE(has(L"FrameColor=5649426"));      // 0x563412: red in the low byte
  EXPECT_TRUE(has(L"FullFillColor=16744448"));  // 0xFF8000
  EXPECT_TRUE(has(L"SizeRatio=2.500000"));
  EXPECT_TRUE(has(L"ShowIndex=12"));
  EXPECT_TRUE(has(L"ShowArchiveName=C:\\Pictures\\b.zip"));
  EXPECT_TRUE(has(L"PluginPath2=E:\\x=y"));
  EXPECT_TRUE(has(L"MaxMovedFolderNum=3"));
  EXPECT_TRUE(has(L"MaxHistoryNum=50"));
  EXPECT_TRUE(has(L"History1=C:\\h2 \x65E5\x672C"));
  EXPECT_TRUE(has(L"StockColor15=986895"));
  // the Show keys sit between FormTop and AlwaysTop, the lists in table order
  const auto at = [&lines](const std::wstring& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
  EXPECT_EQ(at(L"ShowIndex=12"), at(L"FormTop=17") + 1);
  EXPECT_EQ(at(L"AlwaysTop=true"), at(L"tflFileName=C:\\lists\\all.tfl") + 1);
  EXPECT_LT(at(L"PluginPath0=C:\\plugins"), at(L"InternalLoader=*.png;"));
  EXPECT_LT(at(L"MaxMovedFolderNum=3"), at(L"MovedFolder0=C:\\a"));
  EXPECT_EQ(lines.back(), L"StockColor15=986895");
}

TEST(SettingsText, EveryKeyRoundTrips) {
  const Settings written = Varied();
  const Settings read = ReadBack(BuildSettingsText(written, {}));
  EXPECT_EQ(read, written);
  EXPECT_NE(read, Settings{});
}

TEST(SettingsText, ShowKeysOnlyTravelWithLoadLastFile) {
  Settings written = Varied();
  written.LoadLastFile = false;
  const std::wstring text = BuildSettingsText(written, {});
  EXPECT_EQ(text.find(L"ShowIndex="), std::wstring::npos);
  EXPECT_EQ(text.find(L"tflFileName="), std::wstring::npos);
  // present in the data but LoadLastFile is off: not read
  const Settings read = ReadBack(text + L"ShowIndex=4\nShowFileName=x\n");
  EXPECT_EQ(read.ShowIndex, -1);
  EXPECT_EQ(read.ShowFileName, L"");
  EXPECT_EQ(read.CenterX, -20);
}

TEST(SettingsText, OutOfRangeValuesAreClamped) {
  struct Case {
    const wchar_t* line;
    int Settings::*field;
    int expected;
  };
  const Case cases[] = {
      {L"AlphaBlendValue=0", &Settings::AlphaBlendValue, 1},
      {L"FontSize=1000", &Settings::FontSize, 500},
      {L"FontSize=3", &Settings::FontSize, 7},
      {L"PositionMode=9", &Settings::PositionMode, 5},
      {L"PositionMode=-1", &Settings::PositionMode, 0},
      {L"RotateValue=7", &Settings::RotateValue, 3},
      {L"RotateValue=-2", &Settings::RotateValue, 0},
      {L"TrayIconColor=6", &Settings::TrayIconColor, 5},
      {L"UseCursorSize=3", &Settings::UseCursorSize, 2},
      {L"UseCursorSize=-1", &Settings::UseCursorSize, 0},
      {L"SSInterval=10", &Settings::SSInterval, 1000},
      {L"SSInterval=99999999999", &Settings::SSInterval, 86'400'000},
      {L"SSInterval=-5000", &Settings::SSInterval, 1000},
      {L"WheelSensitivity=0", &Settings::WheelSensitivity, 1},
      {L"WheelSensitivity=70000000", &Settings::WheelSensitivity, 60'000'000},
      {L"JpegCompressRatio0=0", &Settings::JpegCompressRatio0, 1},
      {L"JpegCompressRatio1=101", &Settings::JpegCompressRatio1, 100},
      {L"JpegCompressRatio2=-4", &Settings::JpegCompressRatio2, 1},
      {L"JpegCompressRatio3=500", &Settings::JpegCompressRatio3, 100},
      {L"MaxHistoryNum=99", &Settings::MaxHistoryNum, 50},
      {L"MaxMovedFolderNum=-3", &Settings::MaxMovedFolderNum, 0},
      {L"LoadLastFile=true\nShowArchive=-5", &Settings::ShowArchive, -1},
      // unclamped keys keep odd values, digits read leniently
      {L"CenterX=-7x7", &Settings::CenterX, -77},
      {L"DiagonalLength=1e3", &Settings::DiagonalLength, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ReadBack(std::wstring(L"IniFileVersion=2\n") + c.line).*c.field, c.expected);
  }
}

TEST(SettingsText, SizeRatioStaysAboveZero) {
  for (const wchar_t* value : {L"0", L"-2.5", L"0.0000001", L"x"}) {
    SCOPED_TRACE(value);
    EXPECT_GT(ReadBack(std::wstring(L"SizeRatio=") + value).SizeRatio, 0.0);
  }
  EXPECT_DOUBLE_EQ(ReadBack(L"SizeRatio=0.250000").SizeRatio, 0.25);
}

TEST(SettingsText, ColourValuesAreClampedAsColourReferences) {
  struct Case {
    const wchar_t* line;
    Argb Settings::*field;
    Argb expected;
  };
  const Case cases[] = {
      {L"FullFillColor=4278190080", &Settings::FullFillColor, 0xFF000000},  // opaque ARGB black: black
      {L"FullFillColor=4294967295", &Settings::FullFillColor, 0xFF000000},
      {L"FullFillColor=16777216", &Settings::FullFillColor, 0xFFFFFFFF},
      {L"FullFillColor=255", &Settings::FullFillColor, 0xFFFF0000},  // red reference: red
      {L"FrameColor=-1", &Settings::FrameColor, 0xFF000000},
      {L"FrameColor=65280", &Settings::FrameColor, 0xFF00FF00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ReadBack(c.line).*c.field, c.expected);
  }
}

TEST(SettingsText, MissingKeysTakeTheirIfMissingValues) {
  // Start from a record that differs everywhere: "keeps the current value"
  // and "takes the If-missing value" then tell apart.
  Settings settings = Varied();
  ReadSettingsValues(settings, MapOf(L"IniFileVersion=2\n"));
  Settings expected = Varied();
  expected.AlwaysTop = false;
  expected.HideTaskButton = true;
  expected.ShowingList = true;  // missing opens the list view
  expected.SlideShow = false;
  expected.FixSizeRatio = false;
  expected.FixRotate = false;
  expected.FixDiagonalLength = false;
  expected.FrameColor = 0xFFFFFFFF;
  expected.JpegCompressRatio0 = 85;
  expected.JpegCompressRatio1 = 25;
  expected.JpegCompressRatio2 = 60;
  expected.JpegCompressRatio3 = 85;
  expected.ShowIndex = 0;
  expected.ShowArchive = -1;
  expected.PluginPath.clear();
  expected.MovedFolder.clear();
  expected.History.clear();
  expected.StockColor.fill(0);
  EXPECT_EQ(settings, expected);

  // from the initial record, FullFillColor missing keeps black
  const Settings fresh = ReadBack(L"IniFileVersion=2");
  EXPECT_EQ(fresh.FullFillColor, 0xFF000000u);
  EXPECT_EQ(fresh.FrameColor, 0xFFFFFFFFu);
  EXPECT_TRUE(fresh.ShowingList);
}

TEST(SettingsText, MalformedFlagsTakeTheIfMissingValue) {
  Settings settings;
  settings.AlwaysTop = true;
  settings.Locked = true;
  ReadSettingsValues(settings, MapOf(L"AlwaysTop=yes\nLocked=maybe\nSlideShow= TRUE \n"));
  EXPECT_FALSE(settings.AlwaysTop);  // If-missing false
  EXPECT_TRUE(settings.Locked);      // If-missing: the value stays
  EXPECT_TRUE(settings.SlideShow);
}

TEST(SettingsText, UnknownDuplicateAndReorderedKeys) {
  const Settings written = Varied();
  std::vector<std::wstring> lines = Lines(BuildSettingsText(written, {}));
  std::reverse(lines.begin(), lines.end());
  std::wstring text = L"CenterX=555\nFontSize=11\n";  // earlier duplicates lose
  for (const std::wstring& line : lines) text += line + L"\n";
  text += L"SomethingNew=1\ncenterx=9\n[Section]\n; comment\nFutureList0=a\n";
  EXPECT_EQ(ReadBack(text), written);
  EXPECT_EQ(ReadBack(text + L"FontSize=13\n").FontSize, 13);  // a later duplicate wins
}

TEST(SettingsText, NumberedListsEndAtFirstMissingOrEmptyValue) {
  Settings s = ReadBack(L"History0=a\nHistory1=\nHistory2=c\nMovedFolder0=m0\nMovedFolder2=m2\n");
  EXPECT_EQ(s.History, (std::vector<std::wstring>{L"a"}));
  EXPECT_EQ(s.MovedFolder, (std::vector<std::wstring>{L"m0"}));

  std::wstring many = L"MaxHistoryNum=2\nMaxMovedFolderNum=0\nMovedFolder0=x\n";
  for (int i = 0; i < 60; ++i) {
    many += L"History" + DecimalInt(i) + L"=h" + DecimalInt(i) + L"\n";
    many += L"PluginPath" + DecimalInt(i) + L"=p" + DecimalInt(i) + L"\n";
  }
  s = ReadBack(many);
  EXPECT_EQ(s.History, (std::vector<std::wstring>{L"h0", L"h1"}));  // at most MaxHistoryNum
  EXPECT_TRUE(s.MovedFolder.empty());
  ASSERT_EQ(s.PluginPath.size(), 60u);  // no upper bound
  EXPECT_EQ(s.PluginPath[59], L"p59");
}

TEST(SettingsText, CapacitiesAreWrittenOnlyWhenNotDefault) {
  Settings s;
  EXPECT_EQ(BuildSettingsText(s, {}).find(L"MaxHistoryNum"), std::wstring::npos);
  EXPECT_EQ(BuildSettingsText(s, {}).find(L"MaxMovedFolderNum"), std::wstring::npos);
  // the value 16 added by hand changes nothing
  EXPECT_EQ(ReadBack(BuildSettingsText(s, {}) + L"MaxHistoryNum=16\n"), s);
  s.MaxHistoryNum = 0;
  EXPECT_NE(BuildSettingsText(s, {}).find(L"\nMaxHistoryNum=0\n"), std::wstring::npos);
}

TEST(SettingsText, ValuesWithLineBreaksAreNeverWritten) {
  Settings s;
  s.PluginPath = {L"C:\\good", L"C:\\evil\nPluginPath0=\\\\server\\share", L"", L"D:\\also good",
                  L"E:\\cr\rPluginPath1=F:\\x"};
  s.History = {L"a\r\nb", L"C:\\h"};
  s.ShortCutFileName = L"C:\\x.lnk\nHideTaskButton=false";
  s.FileMaskString = L"*.jpg\r";
  const std::wstring text = BuildSettingsText(s, {});
  EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
  EXPECT_EQ(text.find(L"server"), std::wstring::npos);
  EXPECT_EQ(text.find(L"ShortCutFileName"), std::wstring::npos);
  const Settings read = ReadBack(text);
  // the lists close their gaps, so the later good elements survive
  EXPECT_EQ(read.PluginPath, (std::vector<std::wstring>{L"C:\\good", L"D:\\also good"}));
  EXPECT_EQ(read.History, (std::vector<std::wstring>{L"C:\\h"}));
  EXPECT_TRUE(read.HideTaskButton);
  EXPECT_EQ(read.ShortCutFileName, L"");
  EXPECT_EQ(read.FileMaskString, L"*.*");
}

TEST(SettingsText, VersionIsRequired) {
  EXPECT_TRUE(IsCurrentSettingsVersion(MapOf(L"IniFileVersion=2")));
  EXPECT_FALSE(IsCurrentSettingsVersion(MapOf(L"IniFileVersion=1")));
  EXPECT_FALSE(IsCurrentSettingsVersion(MapOf(L"IniFileVersion=3")));
  EXPECT_FALSE(IsCurrentSettingsVersion(MapOf(L"CenterX=2")));
}

TEST(SettingKeys, ResetRestoresEveryInitialValue) {
  Settings s = Varied();
  ResetToInitial(s);
  EXPECT_EQ(s, Settings{});
  EXPECT_EQ(s.InternalLoader, L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.webp;");
  EXPECT_EQ(s.ShowIndex, -1);
  EXPECT_TRUE(s.SearchSubFolder);
  EXPECT_DOUBLE_EQ(s.SizeRatio, 1.0);
  EXPECT_EQ(WindowSideForCursorSize(s.UseCursorSize), 200);
  EXPECT_EQ(WindowSideForCursorSize(2), 400);
}
