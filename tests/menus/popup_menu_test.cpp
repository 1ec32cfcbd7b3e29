// The popup menus as the resource compiler put them into the program: the
// whole tree of both languages, item by item, with ids, texts and states.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "menus/popup_menu_resource.h"
#include "tests/menus/shipped_program.h"
#include "util/win_handles.h"

namespace tv {
namespace {

enum RowKind { kItem, kDisabledItem, kSeparator, kSubMenu };

struct ExpectedRow {
  int depth;
  RowKind kind;
  unsigned id;  // 0 for separators and sub-menus
  const wchar_t* english;
  const wchar_t* japanese;
};

// Depth-first, in menu order: each sub-menu row is followed by its items.
// clang-format off
const ExpectedRow kExpectedMenu[] = {
    {0, kSubMenu, 0, L"Popup", L"Popup"},
    {1, kItem, 32775, L"Hide(V)\tCtrl + Space", L"隠す(V)\tCtrl + Space"},
    {1, kSeparator, 0, L"", L""},
    {1, kItem, 32776, L"Show Pixel by Pixel(&A)\tA", L"等倍で表示(&A)\tA"},
    {1, kItem, 32777, L"Show in Screen(&S)\tS", L"画面に入るように表示(&S)\tS"},
    {1, kItem, 32778, L"Move to Center(C)\tC", L"中央に表示(C)\tC"},
    {1, kSubMenu, 0, L"Show Position(&M)", L"表示位置(&M)"},
    {2, kItem, 33000, L"None(&N)", L"なし(&N)"},
    {2, kItem, 33001, L"Center(&C)", L"中央(&C)"},
    {2, kItem, 33002, L"Left Top(&L)", L"左上(&L)"},
    {2, kItem, 33003, L"Right Top(&T)", L"右上(&T)"},
    {2, kItem, 33004, L"Left Botton(&B)", L"左下(&B)"},
    {2, kItem, 33006, L"Right Bottom(&R)", L"右下(&R)"},
    {1, kSubMenu, 0, L"Rotate(&R)", L"回転して表示(&R)"},
    {2, kItem, 33010, L"None(&N)", L"なし(&N)"},
    {2, kItem, 33011, L"Turned Right(&R)", L"右90度(&R)"},
    {2, kItem, 33012, L"Upside Down(&U)", L"上下180度(&U)"},
    {2, kItem, 33013, L"Truned Left(&L)", L"左90度(&L)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 33014, L"Turn Right(&C)\tLeft Click + Wheel", L"右に回転(&C)\tLeft Click + Wheel"},
    {2, kItem, 33015, L"Turn Left(&U)", L"左に回転(&U)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 33016, L"Fix Rotation(&F)", L"回転を固定(&F)"},
    {1, kItem, 32781, L"Always on Top(&T)\tT", L"常に手前に表示(&T)\tT"},
    {1, kItem, 32782, L"Fix Size Ratio(&E)\tB", L"表示倍率を固定(&E)\tB"},
    {1, kItem, 32783, L"Fix Diagonal Length(&D)\tG", L"一定の大きさで表示(&D)\tG"},
    {1, kItem, 32784, L"Set Window Size(&E)\tCtrl + R", L"表示サイズを指定(&E)\tCtrl + R"},
    {1, kItem, 32785, L"Fit to Screen(&H)\tH", L"画面に合わせて表示(&H)\tH"},
    {1, kItem, 32786, L"Use Whole Screen(&W)\tW", L"画面すべてを使って表示(&W)\tW"},
    {1, kItem, 32787, L"Full Screen(&F)\tF", L"フルスクリーン(&F)\tF"},
    {1, kSubMenu, 0, L"Transparency(&Y)", L"半透明(&Y)"},
    {2, kItem, 33020, L"100%(&0)\tL R Click + Wheel", L"100%(&0)\tL R Click + Wheel"},
    {2, kItem, 33021, L"75%(&1)", L"75%(&1)"},
    {2, kItem, 33022, L"50%(&2)", L"50%(&2)"},
    {2, kItem, 33023, L"25%(&3)", L"25%(&3)"},
    {1, kItem, 32789, L"Slide Show(&D)\tD", L"スライドショー(&D)\tD"},
    {1, kItem, 32790, L"Refresh(&R)\tF5, R", L"更新する(&R)\tF5, R"},
    {1, kItem, 32913, L"Duplicate Window(&W)\tCtrl + W", L"ウィンドウを複製する(&W)\tCtrl + W"},
    {1, kItem, 32791, L"Lock(&L)", L"ロック(&L)"},
    {1, kSeparator, 0, L"", L""},
    {1, kItem, 32792, L"Open Files(&O)\tO", L"ファイルを開く(&O)\tO"},
    {1, kItem, 32793, L"Open Folder(&P)\tP", L"フォルダを開く(&P)\tP"},
    {1, kItem, 32794, L"Load Exists Folder Files(&F)\tCtrl + F", L"現在のファイルのフォルダを読み込む(&F)\tCtrl + F"},
    {1, kDisabledItem, 32795, L"History(&H)", L"履歴(&H)"},
    {1, kSeparator, 0, L"", L""},
    {1, kDisabledItem, 32796, L"Close Archive(&X)\tBS", L"書庫を閉じる(&X)\tBS"},
    {1, kSeparator, 0, L"", L""},
    {1, kSubMenu, 0, L"Lineup Window(&W)", L"ウィンドウを整列する(&W)"},
    {2, kItem, 32915, L"Upward(&U)", L"上(&U)"},
    {2, kItem, 32916, L"Leftward(&L)", L"左(&L)"},
    {2, kItem, 32917, L"Rightward(&R)", L"右(&R)"},
    {2, kItem, 32918, L"Downward(&D)", L"下(&D)"},
    {2, kItem, 32919, L"Same Position(&S)", L"同じ位置に重ねる(&S)"},
    {1, kSeparator, 0, L"", L""},
    {1, kItem, 32840, L"Show File List(&S)\tReturn", L"ファイルリストを表示する(&S)\tReturn"},
    {1, kItem, 32803, L"Save Filelist(&S)\tCtrl + S", L"ファイルリストを保存する(&S)\tCtrl + S"},
    {1, kSubMenu, 0, L"Sort File List(&G)", L"ファイルリストの並べ替え(&G)"},
    {2, kItem, 33030, L"by Name(&N)\tCtrl + T", L"ファイル名で並べる(&N)\tCtrl + T"},
    {2, kItem, 33031, L"by Extension(&E)", L"拡張子で並べる(&E)"},
    {2, kItem, 33032, L"by Time Stamp(&T)", L"ファイルの日付で並べる(&T)"},
    {2, kItem, 33033, L"by FIle Size(&S)", L"ファイルの大きさで並べる(&S)"},
    {2, kItem, 33034, L"Randomize(&R)", L"ランダムに並べる(&R)"},
    {2, kItem, 33035, L"Reverse(&I)", L"並び順を逆にする(&I)"},
    {1, kSeparator, 0, L"", L""},
    {1, kItem, 32799, L"Copy Image to Clipboard(&C)\tShift + C", L"画像をクリップボードにコピー(&C)\tShift + C"},
    {1, kItem, 32800, L"Copy RGB Value on Cursor to Clipboard(&/)", L"ピクセルRGB値をクリップボードにコピー(&/)"},
    {1, kItem, 32841, L"Show File Information(&I)\tI", L"画像情報を表示(&I)\tI"},
    {1, kSubMenu, 0, L"File(&F)", L"ファイル(&F)"},
    {2, kItem, 32806, L"Copy(&C)\tCtrl + C", L"コピー(&C)\tCtrl + C"},
    {2, kItem, 32807, L"Cut(&X)\tCtrl + X", L"切り取り(&X)\tCtrl + X"},
    {2, kItem, 32808, L"Paste(&V)\tCtrl + V", L"貼り付け(&V)\tCtrl + V"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32809, L"Rename(&N)\tCtrl + N", L"名前の変更(&N)\tCtrl + N"},
    {2, kItem, 32810, L"Copy File Path(&Z)\tCtrl + Shift + C", L"ファイルのパスをコピー(&Z)\tCtrl +Sift + C"},
    {2, kItem, 32811, L"Move(&M)\tCtrl + Right Click", L"ファイルを移動(&M)\tCtrl + Right Click"},
    {2, kItem, 32839, L"Move to Recycle(&D)\tCtrl + Del", L"ゴミ箱に入れる(&D)\tCtrl + Del"},
    {2, kItem, 32812, L"Open Exists Folder(&F)\tCtrl + O", L"ファイルの存在するフォルダを開く(&F)\tCtrl + O"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32813, L"Save Jpeg File(&S)\tCtrl + S", L"Jpeg で保存する(&S)\tShift + S"},
    {2, kItem, 32814, L"Save Jpeg File Showing Size(&A)\tCtrl + Shift + S", L"表示サイズを Jpeg で保存する(&A)\tCtrl + Shift + S"},
    {2, kItem, 32815, L"Jpeg Save Setting(&I)", L"Jpeg 保存の設定(&I)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32816, L"Save PNG(&P)", L"PNG で保存する(&P)"},
    {1, kSeparator, 0, L"", L""},
    {1, kSubMenu, 0, L"Option(&O)", L"オプション(&O)"},
    {2, kItem, 32817, L"Search Sub Folders(&S)", L"サブフォルダも検索する(&S)"},
    {2, kItem, 32818, L"Keep Previous Files(&P)", L"起動時に前回のファイルを読み込む(&P)"},
    {2, kItem, 32819, L"Enable File Mask(&E)", L"ファイルマスクを有効にする(&E)"},
    {2, kItem, 32820, L"File Mask Setting(&M)", L"ファイルマスクの設定(&M)"},
    {2, kItem, 32821, L"Auto Load File Folder(&A)", L"フォルダを自動で読み込む(&A)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32822, L"Keep Previous Position(&K)", L"前回終了時の位置に表示する(&K)"},
    {2, kSubMenu, 0, L"Slide Show Interval(&T)", L"スライドショーの間隔(&T)"},
    {3, kItem, 33050, L"1s(&0)", L"1秒(&0)"},
    {3, kItem, 33051, L"2s(&1)", L"2秒(&1)"},
    {3, kItem, 33052, L"5s(&2)", L"5秒(&2)"},
    {3, kItem, 33053, L"10s(&3)", L"10秒(&3)"},
    {3, kItem, 33054, L"30s(&4)", L"30秒(&4)"},
    {3, kItem, 33055, L"1m(&5)", L"1分(&5)"},
    {3, kItem, 33056, L"5m(&6)", L"5分(&6)"},
    {3, kItem, 33057, L"15m(&7)", L"15分(&7)"},
    {3, kItem, 33058, L"30m(&8)", L"30分(&8)"},
    {3, kItem, 33059, L"1h(&9)", L"1時間(&9)"},
    {3, kItem, 33060, L"2h(&A)", L"2時間(&A)"},
    {3, kItem, 33061, L"3h(&B)", L"3時間(&B)"},
    {3, kItem, 33062, L"6h(&C)", L"6時間(&C)"},
    {3, kItem, 33063, L"12h(&D)", L"12時間(&D)"},
    {3, kItem, 33064, L"24h(&E)", L"24時間(&E)"},
    {2, kSubMenu, 0, L"Wheel Sensitivity(&W)", L"ホイール感度(&W)"},
    {3, kItem, 33120, L"Default(&D)", L"標準(&D)"},
    {3, kItem, 33121, L"Middle(&M)", L"普通(&M)"},
    {3, kItem, 33122, L"Low(&L)", L"低い(&L)"},
    {2, kItem, 32825, L"Background Color(&C)", L"背景色(&C)"},
    {2, kItem, 32826, L"Hide Task Button(&H)", L"タスクボタンを表示しない(&H)"},
    {2, kSubMenu, 0, L"Border Width(&B)", L"枠の幅(&B)"},
    {3, kItem, 33040, L"0px(&0)", L"0px(&0)"},
    {3, kItem, 33041, L"1px(&1)", L"1px(&1)"},
    {3, kItem, 33042, L"5px(&2)", L"5px(&2)"},
    {3, kItem, 33043, L"10px(&3)", L"10px(&3)"},
    {3, kItem, 33044, L"15px(&4)", L"15px(&4)"},
    {3, kItem, 33045, L"20px(5)", L"20px(5)"},
    {3, kItem, 33046, L"30px(&6)", L"30px(&6)"},
    {2, kItem, 32828, L"Border Color(&O)", L"枠の色(&O)"},
    {2, kSubMenu, 0, L"Font Size(&L)", L"フォントの大きさ(&L)"},
    {3, kItem, 33080, L"7pt(&0)", L"7pt(&0)"},
    {3, kItem, 33081, L"8pt(&1)", L"8pt(&1)"},
    {3, kItem, 33082, L"9pt(2)", L"9pt(2)"},
    {3, kItem, 33083, L"10pt(&3)", L"10pt(&3)"},
    {3, kItem, 33084, L"11pt(&4)", L"11pt(&4)"},
    {3, kItem, 33085, L"13pt(&5)", L"13pt(&5)"},
    {3, kItem, 33086, L"15pt(&6)", L"15pt(&6)"},
    {3, kItem, 33087, L"17pt(&7)", L"17pt(&7)"},
    {3, kItem, 33088, L"19pt(&8)", L"19pt(&8)"},
    {3, kItem, 33089, L"21pt(&9)", L"21pt(&9)"},
    {2, kSubMenu, 0, L"Tray Icon Color(&C)", L"トレイアイコンの色(&C)"},
    {3, kItem, 33100, L"Green(&G)", L"緑(&G)"},
    {3, kItem, 33101, L"Red(&R)", L"赤(&R)"},
    {3, kItem, 33102, L"Blue(&B)", L"青(&B)"},
    {3, kItem, 33103, L"Yellow(&Y)", L"黄(&Y)"},
    {3, kItem, 33104, L"White(&W)", L"白(&W)"},
    {3, kItem, 33105, L"Black(&B)", L"黒(&B)"},
    {2, kSubMenu, 0, L"Cursor Size(&P)", L"カーソルの大きさ(&P)"},
    {3, kItem, 33130, L"Normal(&N)", L"普通(&N)"},
    {3, kItem, 33131, L"Large(&L)", L"大きめ(&L)"},
    {3, kItem, 33132, L"Extra Large(&X)", L"大きい(&X)"},
    {2, kSeparator, 0, L"", L""},
    {2, kSubMenu, 0, L"Plugin(&X)", L"プラグイン(&X)"},
    {3, kItem, 32836, L"Set Plugin Folder(&F)", L"プラグインのフォルダを指定する(&F)"},
    {3, kItem, 32837, L"Open Plugin Dialog(&X)", L"プラグインのダイアログを表示する(&X)"},
    {3, kItem, 32838, L"Internal Loader Extension(&P)", L"内部ローダー優先ファイル設定(&P)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32833, L"Create Instance(&I)", L"インスタンスを作る(&I)"},
    {2, kItem, 32834, L"Delete Instance(&D)", L"インスタンスを削除する(&D)"},
    {2, kSeparator, 0, L"", L""},
    {2, kItem, 32835, L"Uninstall(&U)", L"アンインストール(&U)"},
    {1, kSeparator, 0, L"", L""},
    {1, kItem, 32805, L"Quit(&Q)\tESC", L"終了(&Q)\tESC"},
    {0, kSubMenu, 0, L"Move", L"Move"},
    {1, kItem, 32914, L"MoveParent", L"MoveParent"},
};
// clang-format on

struct Row {
  int depth = 0;
  RowKind kind = kItem;
  unsigned id = 0;
  std::wstring text;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
  static const char* const kKinds[] = {"item", "disabled item", "separator", "sub-menu"};
  std::string text;
  for (wchar_t c : row.text) text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  *out << "{depth " << row.depth << ", " << kKinds[row.kind] << ", id " << row.id << ", \"" << text << "\"}";
}

std::vector<Row> ExpectedRows(bool japanese) {
  std::vector<Row> rows;
  for (const ExpectedRow& e : kExpectedMenu) rows.push_back({e.depth, e.kind, e.id, japanese ? e.japanese : e.english});
  return rows;
}

// Reads the menu back the way the menu handling will see it.
void Flatten(HMENU menu, int depth, std::vector<Row>& rows) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) << "position " << i;
    Row row;
    row.depth = depth;
    if (info.fType & MFT_SEPARATOR) {
      row.kind = kSeparator;
    } else if (info.hSubMenu) {
      row.kind = kSubMenu;
      row.text = text;
    } else {
      row.kind = (info.fState & MFS_DISABLED) ? kDisabledItem : kItem;
      row.id = info.wID;
      row.text = text;
    }
    rows.push_back(row);
    if (info.hSubMenu) Flatten(info.hSubMenu, depth + 1, rows);
  }
}

std::vector<Row> LoadedRows(HMODULE module, UiLanguage language) {
  UniqueMenu menu = LoadPopupMenuResource(module, language);
  std::vector<Row> rows;
  if (menu) Flatten(menu.get(), 0, rows);
  return rows;
}

TEST(PopupMenuResource, EnglishMenuHasTheWholeTree) {
  const std::vector<Row> loaded = LoadedRows(::GetModuleHandleW(nullptr), UiLanguage::English);
  const std::vector<Row> expected = ExpectedRows(false);
  ASSERT_EQ(loaded.size(), expected.size());
  for (size_t i = 0; i < loaded.size(); ++i) EXPECT_EQ(loaded[i], expected[i]) << "row " << i;
}

TEST(PopupMenuResource, JapaneseMenuHasTheWholeTree) {
  const std::vector<Row> loaded = LoadedRows(::GetModuleHandleW(nullptr), UiLanguage::Japanese);
  const std::vector<Row> expected = ExpectedRows(true);
  ASSERT_EQ(loaded.size(), expected.size());
  for (size_t i = 0; i < loaded.size(); ++i) EXPECT_EQ(loaded[i], expected[i]) << "row " << i;
}

TEST(PopupMenuResource, BothLanguagesShareStructureAndIds) {
  std::vector<Row> english = LoadedRows(::GetModuleHandleW(nullptr), UiLanguage::English);
  std::vector<Row> japanese = LoadedRows(::GetModuleHandleW(nullptr), UiLanguage::Japanese);
  ASSERT_EQ(english.size(), japanese.size());
  std::set<unsigned> ids;
  for (size_t i = 0; i < english.size(); ++i) {
    EXPECT_EQ(english[i].depth, japanese[i].depth) << "row " << i;
    EXPECT_EQ(english[i].kind, japanese[i].kind) << "row " << i;
    EXPECT_EQ(english[i].id, japanese[i].id) << "row " << i;
    if (english[i].id != 0) {
      EXPECT_TRUE(ids.insert(english[i].id).second) << "duplicate id " << english[i].id;
    }
  }
  EXPECT_EQ(ids.size(), 126u);
}

TEST(PopupMenuResource, TopLevelHoldsThePopupAndTheMoveTemplate) {
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), language);
    ASSERT_TRUE(menu);
    ASSERT_EQ(::GetMenuItemCount(menu.get()), 2);
    HMENU popup = ::GetSubMenu(menu.get(), kPopupSubMenuIndex);
    HMENU move = ::GetSubMenu(menu.get(), kMoveSubMenuIndex);
    ASSERT_NE(popup, nullptr);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(::GetMenuItemCount(popup), 41);
    EXPECT_EQ(::GetMenuItemCount(move), 1);
    EXPECT_EQ(::GetMenuItemID(move, 0), static_cast<UINT>(IDM_MOVE_PARENT));
    EXPECT_EQ(::GetMenuItemID(popup, 0), static_cast<UINT>(IDM_HIDE));
    EXPECT_EQ(::GetMenuItemID(popup, ::GetMenuItemCount(popup) - 1), static_cast<UINT>(IDM_QUIT));
  }
}

TEST(PopupMenuResource, HistoryAndCloseArchiveStartDisabled) {
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), language);
    ASSERT_TRUE(menu);
    for (UINT id : {IDM_HISTORY, IDM_CLOSE_ARCHIVE}) {
      const UINT state = ::GetMenuState(menu.get(), id, MF_BYCOMMAND);
      ASSERT_NE(state, static_cast<UINT>(-1)) << id;
      EXPECT_EQ(state & MF_GRAYED, static_cast<UINT>(MF_GRAYED)) << id;
      EXPECT_EQ(state & MF_DISABLED, static_cast<UINT>(MF_DISABLED)) << id;
    }
    const UINT open = ::GetMenuState(menu.get(), IDM_OPEN_FILES, MF_BYCOMMAND);
    EXPECT_EQ(open & (MF_GRAYED | MF_DISABLED), 0u);
  }
}

TEST(PopupMenuResource, KeyItemsFoundByCommand) {
  struct Case {
    UINT id;
    const wchar_t* english;
    const wchar_t* japanese;
  };
  const Case cases[] = {
      {IDM_SHOW_FILE_LIST, L"Show File List(&S)\tReturn", L"ファイルリストを表示する(&S)\tReturn"},
      {IDM_POSITION_RIGHT_BOTTOM, L"Right Bottom(&R)", L"右下(&R)"},
      {IDM_INTERVAL_24H, L"24h(&E)", L"24時間(&E)"},
      {IDM_TRANSPARENCY_100, L"100%(&0)\tL R Click + Wheel", L"100%(&0)\tL R Click + Wheel"},
      {IDM_COPY_FILE_PATH, L"Copy File Path(&Z)\tCtrl + Shift + C", L"ファイルのパスをコピー(&Z)\tCtrl +Sift + C"},
      {IDM_UNINSTALL, L"Uninstall(&U)", L"アンインストール(&U)"},
  };
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), language);
    ASSERT_TRUE(menu);
    for (const Case& c : cases) {
      wchar_t text[256] = {};
      ASSERT_GT(::GetMenuStringW(menu.get(), c.id, text, 256, MF_BYCOMMAND), 0) << c.id;
      EXPECT_EQ(std::wstring(text), language == UiLanguage::Japanese ? c.japanese : c.english) << c.id;
    }
  }
}

TEST(PopupMenuResource, ShippedProgramCarriesBothMenus) {
  const UniqueModule program = tvtest::OpenShippedProgramResources();
  ASSERT_TRUE(program) << "cannot open the resources of the program built beside the tests";
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    const std::vector<Row> loaded = LoadedRows(program.get(), language);
    const std::vector<Row> expected = ExpectedRows(language == UiLanguage::Japanese);
    ASSERT_EQ(loaded.size(), expected.size());
    for (size_t i = 0; i < loaded.size(); ++i) EXPECT_EQ(loaded[i], expected[i]) << "row " << i;
  }
}

TEST(PopupMenuResource, JapaneseUserGetsJapaneseMenuAndTexts) {
  struct Case {
    std::uint16_t langId;
    const wchar_t* hideItem;
    const wchar_t* startMessage;
  };
  const Case cases[] = {
      {0x0411, L"隠す(V)\tCtrl + Space", L"ini ファイルを読み込まずに開始します\nプラグインのフォルダなどを再設定してください"},
      {0x0409, L"Hide(V)\tCtrl + Space", L"Start without ini File.\nReset plugin folder and other Settings."},
      {0x0407, L"Hide(V)\tCtrl + Space", L"Start without ini File.\nReset plugin folder and other Settings."},
  };
  for (const Case& c : cases) {
    const UiLanguage language = UiLanguageFromLangId(c.langId);
    UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), language);
    ASSERT_TRUE(menu) << c.langId;
    wchar_t text[256] = {};
    ASSERT_GT(::GetMenuStringW(menu.get(), IDM_HIDE, text, 256, MF_BYCOMMAND), 0) << c.langId;
    EXPECT_EQ(std::wstring(text), c.hideItem) << c.langId;
    EXPECT_EQ(LocalizedString(IDS_START_WITHOUT_INI, language), c.startMessage) << c.langId;
  }
}

TEST(PopupMenuResource, MissingMenuGivesEmptyOwner) {
  // A module without the menus (the system library) yields nothing rather than a stray handle.
  EXPECT_FALSE(LoadPopupMenuResource(::GetModuleHandleW(L"kernel32.dll"), UiLanguage::English));
}

}  // namespace
}  // namespace tv
