#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_keys.h"
#include "settings/settings_text.h"
#include "tests/settings/test_support.h"
#include "util/text.h"

using namespace tv;
using tvtest::MapOf;

namespace {

Settings ReadBack(const std::wstring& text) {
  Settings settings;
  ReadSettingsValues(settings, MapOf(text));
  return settings;
}

bool Has(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// Each input line read, then written: its key's line must show the expected value.
void ExpectRewritten(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> cases) {
  for (const auto& [input, expected] : cases)
    EXPECT_TRUE(Has(BuildSettingsText(ReadBack(input), {}), L"\n" + std::wstring(expected) + L"\n")) << WideToUtf8(input);
}

// Every field away from its initial value, inside its range.
Settings Varied() {
  Settings s;
  s.CenterX = -20, s.CenterY = 3000, s.FormLeft = -1920, s.FormTop = 17;
  s.ShowIndex = 12, s.ShowArchive = 3, s.ShowFileName = L"img\\001.png", s.ShowArchiveName = L"C:\\P\\b.zip";
  s.tflFileName = L"C:\\lists\\all.tfl";
  s.AlwaysTop = s.ShowingList = s.SlideShow = s.FixSizeRatio = s.FitToScreen = s.FixRotate = true;
  s.FixDiagonalLength = s.UseWholeScreen = s.FullScreen = s.Locked = s.LoadLastFile = true;
  s.KeepPreviousPosition = s.CreateSendToLink = s.EnableFileMask = true;
  s.HideTaskButton = s.SearchSubFolder = s.AutoLoadFileFolder = false;
  s.SSInterval = 86'400'000, s.SSSaveIniInterval = 1234, s.FrameWidth = 30, s.FrameColor = 0xFF123456;
  s.AlphaBlendValue = 64, s.FontSize = 21, s.PositionMode = 5, s.RotateValue = 3, s.WheelSensitivity = 1440;
  s.DiagonalLength = 999, s.SizeRatio = 2.5, s.TrayIconColor = 5, s.UseCursorSize = 2, s.FullFillColor = 0xFF0080FF;
  s.ShortCutFileName = L"C:\\Users\\me\\work.lnk";
  s.JpegCompressRatio0 = 1, s.JpegCompressRatio1 = 100, s.JpegCompressRatio2 = 7, s.JpegCompressRatio3 = 99;
  s.FileMaskString = L"*.jpg; *.png", s.InternalLoader = L"*.png;", s.LastMovedFolder = L"C:\\sorted";
  s.PluginPath = {L"C:\\plugins", L"D:\\more plugins", L"E:\\x=y"};
  s.MaxMovedFolderNum = 3, s.MovedFolder = {L"C:\\a", L"C:\\b", L"C:\\c"};
  s.MaxHistoryNum = 50, s.History = {L"C:\\h1", L"C:\\h2 \x65E5\x672C"};
  for (size_t i = 0; i < s.StockColor.size(); ++i) s.StockColor[i] = static_cast<ColourRef>(0x10101 * i);
  return s;
}

}  // namespace

TEST(SettingsText, EveryKeyRoundTripsInItsExactFormat) {
  const Settings written = Varied();
  const std::wstring text = BuildSettingsText(written, {});
  EXPECT_EQ(text.substr(0, text.find(L"HideTaskButton")),
            L"IniFileVersion=2\nCenterX=-20\nCenterY=3000\nFormLeft=-1920\nFormTop=17\nShowIndex=12\nShowArchive=3\n"
            L"ShowFileName=img\\001.png\nShowArchiveName=C:\\P\\b.zip\ntflFileName=C:\\lists\\all.tfl\nAlwaysTop=true\n");
  // colours as references (red in the low byte), ratios with six decimals,
  // capacities before their lists, the colour dialog's colours last
  for (const wchar_t* line :
       {L"\nFrameColor=5649426\n", L"\nFullFillColor=16744448\n", L"\nSizeRatio=2.500000\n", L"\nPluginPath2=E:\\x=y\n",
        L"\nMaxMovedFolderNum=3\nMovedFolder0=C:\\a\n", L"\nMaxHistoryNum=50\nHistory0=C:\\h1\n"})
    EXPECT_TRUE(Has(text, line)) << WideToUtf8(line);
  EXPECT_TRUE(text.ends_with(L"\nStockColor14=921102\nStockColor15=986895\n"));
  EXPECT_EQ(ReadBack(text), written);
  Settings reset = written;
  ResetToInitial(reset);
  EXPECT_EQ(reset, Settings{});
}

TEST(SettingsText, ShowKeysOnlyTravelWithLoadLastFile) {
  Settings written = Varied();
  written.LoadLastFile = false;
  const std::wstring text = BuildSettingsText(written, {});
  EXPECT_FALSE(Has(text, L"ShowIndex="));
  EXPECT_FALSE(Has(text, L"tflFileName="));
  const Settings read = ReadBack(text + L"ShowIndex=4\nShowFileName=x\n");
  EXPECT_EQ(read.ShowIndex, -1);
  EXPECT_EQ(read.ShowFileName, L"");
  EXPECT_EQ(read.CenterX, -20);
}

TEST(SettingsText, OutOfRangeValuesAreClamped) {
  ExpectRewritten({{L"AlphaBlendValue=0", L"AlphaBlendValue=1"}, {L"FontSize=1000", L"FontSize=500"},
                   {L"SSInterval=-5000", L"SSInterval=1000"}, {L"SSInterval=99999999999", L"SSInterval=86400000"},
                   {L"MaxHistoryNum=99", L"MaxHistoryNum=50"}, {L"SizeRatio=-2.5", L"SizeRatio=0.000001"},
                   {L"LoadLastFile=true\nShowArchive=-5", L"ShowArchive=-1"},
                   {L"CenterX=-7x7", L"CenterX=-77"},  // unclamped keys keep odd values
                   // colours as colour references; opaque ARGB black is black
                   {L"FullFillColor=4278190080", L"FullFillColor=0"}, {L"FullFillColor=16777216", L"FullFillColor=16777215"},
                   {L"FrameColor=-1", L"FrameColor=0"}});
  EXPECT_GT(ReadBack(L"SizeRatio=x").SizeRatio, 0.0);
  EXPECT_EQ(ReadBack(L"FullFillColor=255").FullFillColor, 0xFFFF0000u);  // red
}

TEST(SettingsText, MissingOrMalformedKeysTakeTheirIfMissingValues) {
  Settings s = Varied();
  s.ShowingList = s.SlideShow = false;  // so only the reading can turn them on
  ReadSettingsValues(s, MapOf(L"AlwaysTop=yes\nLocked=maybe\nSlideShow= TRUE \n"));
  EXPECT_EQ(s.CenterX, -20);   // missing, no value of its own: kept
  EXPECT_TRUE(s.Locked);       // malformed, no value of its own: kept
  EXPECT_FALSE(s.AlwaysTop);   // malformed: its own value
  EXPECT_TRUE(s.SlideShow);    // blanks and case are forgiven
  EXPECT_TRUE(s.ShowingList);  // missing: on, although the initial value is off
  EXPECT_TRUE(s.History.empty());
  EXPECT_EQ(s.FrameColor, 0xFFFFFFFFu);
  EXPECT_EQ(s.JpegCompressRatio1, 25);
  EXPECT_EQ(ReadBack(L"").FullFillColor, 0xFF000000u);
}

TEST(SettingsText, UnknownDuplicateAndReorderedKeys) {
  std::vector<std::wstring> lines = SplitText(BuildSettingsText(Varied(), {}), L'\n');
  std::reverse(lines.begin(), lines.end());
  std::wstring text = L"CenterX=555\nFontSize=11\n";  // earlier duplicates lose
  for (const std::wstring& line : lines) text += line + L"\n";
  EXPECT_EQ(ReadBack(text + L"SomethingNew=1\ncenterx=9\n[Section]\n; comment\nFutureList0=a\n"), Varied());
}

TEST(SettingsText, NumberedListsEndAtFirstMissingOrEmptyValue) {
  Settings s = ReadBack(L"History0=a\nHistory1=\nHistory2=c\nMovedFolder0=m0\nMovedFolder2=m2\n");
  EXPECT_EQ(s.History, (std::vector<std::wstring>{L"a"}));
  EXPECT_EQ(s.MovedFolder, (std::vector<std::wstring>{L"m0"}));
  std::wstring many = L"MaxHistoryNum=2\n";
  for (int i = 0; i < 60; ++i) many += L"History" + DecimalInt(i) + L"=h\nPluginPath" + DecimalInt(i) + L"=p\n";
  s = ReadBack(many);
  EXPECT_EQ(s.History.size(), 2u);      // at most MaxHistoryNum
  EXPECT_EQ(s.PluginPath.size(), 60u);  // no upper bound
}

TEST(SettingsText, ValuesWithLineBreaksAreNeverWritten) {
  Settings s;
  s.PluginPath = {L"C:\\good", L"C:\\evil\nPluginPath0=\\\\server\\share", L"", L"D:\\also good", L"E:\\cr\rx"};
  s.History = {L"a\r\nb", L"C:\\h"};
  s.ShortCutFileName = L"C:\\x.lnk\nHideTaskButton=false";
  s.FileMaskString = L"*.jpg\r";
  const std::wstring text = BuildSettingsText(s, {});
  EXPECT_FALSE(Has(text, L"\r"));
  EXPECT_FALSE(Has(text, L"server"));
  const Settings read = ReadBack(text);
  EXPECT_EQ(read.PluginPath, (std::vector<std::wstring>{L"C:\\good", L"D:\\also good"}));  // no gaps
  EXPECT_EQ(read.History, (std::vector<std::wstring>{L"C:\\h"}));
  EXPECT_TRUE(read.HideTaskButton);
  EXPECT_EQ(read.ShortCutFileName, L"");
  EXPECT_EQ(read.FileMaskString, L"*.*");
}
