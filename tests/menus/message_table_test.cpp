// The message texts as the resource compiler put them into the program: every
// id in both languages, compared with the exact UTF-16 text the program must show.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menus/localized_string.h"
#include "menus/message_ids.h"
#include "tests/menus/shipped_program.h"

namespace tv {
namespace {

struct Message {
  unsigned id;
  const wchar_t* english;  // nullptr: the English table has no entry
  const wchar_t* japanese;
};

// clang-format off
const Message kMessages[] = {
    {11001, L"Image File List Saved.", L"画像のファイルリストを保存しました"},
    {11002, L"Start without ini File.\nReset plugin folder and other Settings.", L"ini ファイルを読み込まずに開始します\nプラグインのフォルダなどを再設定してください"},
    {11003, L"Create application shortcut.", L"taverlune image viewer を呼び出すショートカットを作成します"},
    {11004, L"Create this instance shortcut.", L"このインスタンスを呼び出すショートカットを作成します"},
    {11005, L"Create application shortcut.", L"taverlune image viewer を呼び出すショートカットを作成します"},
    {11006, L"Would you like to copy shortcut to 'Send to' folder?", L"右クリックの Send To にショートカットを作成しますか？"},
    {11007, L"Same name shortcut is already exists.\nOverwrite, OK?", L"同名のショートカットがすでに存在します\n上書きしてよろしいですか？"},
    {11008, L"Can't delete file in archive.", L"アーカイブ中のファイルは削除できません"},
    {11009, L"Selected image file,", L"選択された画像ファイル"},
    {11010, L" will be moved to recycle folder, OK?", L"をゴミ箱に移してよろしいですか？"},
    {11011, L"Jpeg Compression Setting", L"Jpeg 圧縮設定"},
    {11012, L"Jpeg Compression Level", L"Jpeg 圧縮レベル"},
    {11013, L"Delete failed.", L"削除できませんでした。"},
    {11014, L"Show Image(&S)\tReturn", L"画像を表示(&S)\tReturn"},
    {11015, L"Show File List(&S)\tReturn", L"ファイルリストを表示(&S)\tReturn"},
    {11016, L"Whole archive file was copy to clipboard.", L"アーカイブ全体がコピーされました"},
    {11017, L"Whole archive file was copy to clipboard.", L"アーカイブ全体がカットされました"},
    {11018, L"New File Name", L"新しい名前"},
    {11019, L"Enter new file name.", L"新しい名前を入力してください"},
    {11020, L"A File has same name is already exists.", L"その名前のファイルはすでに存在ます"},
    {11021, L"Renamed.", L"ファイル名を変更しました"},
    {11022, nullptr, L"使えない文字"},
    {11023, L" is not allowd to use file name.", L" が含まれています"},
    {11024, L"File Mask", L"ファイルマスク"},
    {11025, L"Set file mask.", L"ファイルマスクを設定してください"},
    {11026, L"Plugin folder set to \n\n", L"プラグインのフォルダは\n\n"},
    {11027, L" ", L"\n\nに設定されました"},
    {11028, L"Save ini file of this instance.", L"このインスタンスに対応する Ini ファイルを保存します"},
    {11029, L"You must save ini file at folder is shown on opening dialog.", L"ini ファイルは必ず最初に表示された場所に保存してください"},
    {11030, L"Dlete this instance, OK?", L"このインスタンスを削除してよろしいですか？"},
    {11031, L"Instance is deleted.\n\nExit from taverlune image viewer.", L"インスタンスを削除しました\n\n終了します"},
    {11032, L"Instance is deleted.\n\nThe short cut file of this instance.\nDelete the shortcut file by your hand.\n\nExit from taverlune image viewer.", L"インスタンスを削除しました\nこのインスタンスへのショートカットが移動されています\nショートカットを手動で削除してください\n\n終了します"},
    {11033, L"Uninstall OK?", L"アンインストールしてよろしいですか？"},
    {11034, L"Complete uninstall, you delete folder include execute file.\n\nExit from taverlune image viewer.\n", L"実行ファイルの入ったフォルダを削除するとアンインストール完了です\n\n終了します"},
    {11035, L"Complete uninstall, you delete folder include execute file and shortcut file you moved.\n\nExit from taverlune image viewer.", L"移動されたショートカットと\n実行ファイルの入ったフォルダを削除するとアンインストール完了です\n\n終了します"},
    {11036, L" (Add folder list)", L"を移動先履歴に追加"},
    {11037, L" (Add folder list)", L"を移動先履歴に追加"},
    {11038, L"Move to Create Folder", L"フォルダを作成して移動"},
    {11039, L"The file has same name is already exists in destination folder.\nIt will be overwritten OK?", L"同名のファイルが移動先に存在します\n上書きしてよろしいですか？"},
    {11040, L"Create Folder", L"フォルダの作成"},
    {11041, L"Enter New Folder Name", L"フォルダの名前を入力してください"},
    {11042, L"This name folder already exists.", L"その名前のフォルダはすでに存在ます"},
    {11043, L"Save to Jpeg", L"Jpeg で保存"},
    {11044, L"Save Jpeg showing size", L"表示サイズを Jpeg で保存"},
    {11045, L"\nCan't find specified file.", L"\nファイルが見つかりません。"},
    {11046, L"Hide(&V)\tCtrl + Space", L"隠す(&V)\tCtrl + Space"},
    {11047, L"Show(&V)", L"表示する(&V)"},
    {11048, L"Save to PNG", L"PNG で保存"},
    {11049, L"Select Folder", L"フォルダを選択して下さい"},
    {11050, L"New Window Size", L"ウィンドウの大きさ"},
    {11051, L"Width", L"幅"},
    {11052, L"Height", L"高さ"},
    {11053, L"File Mask Setting", L"ファイルマスク設定"},
    {11054, L"Set file mask for prefering internal loader.", L"内部ローダーが優先するファイルマスクを設定してください"},
    {11055, L"Clear History(&C)", L"履歴をクリア(&C)"},
    {11056, L"History list will be cleared. OK?", L"履歴をクリアしてよろしいですか？"},
    {11057, L"Select plugin folder.", L"プラグインのあるフォルダを選択してください"},
    {11058, L"Failed to Move File.", L"ファイルを移動できませんでした"},
    {11059, L"-- NOUSE --", L"-- NOUSE --"},
    {11901, L"All File Types(*.*) | *.*", L"すべてのファイル(*.*) | *.*"},
    {11902, L"Open Image", L"画像を開く"},
    {11903, L"Copy string '", L"文字列 '"},
    {11904, L"' to clipboard(&P)", L"' をクリップボードにコピー(&P)"},
    {11905, L"taverlune File List(*.tfl)|*.tfl|All File Types(*.*)|*.*", L"taverlune ファイルリスト(*.tfl)|*.tfl|すべてのファイル(*.*)|*.*"},
    {11906, L"Save tfl File", L"ファイルリストを保存します"},
    {11907, L"Shortcut (*.lnk)|*.lnk|All File Types(*.*)|*.*", L"ショートカット (*.lnk)|*.lnk|すべてのファイル(*.*)|*.*"},
    {11908, L"Create Shortcut", L"ショートカットを作成します"},
    {11909, L"Jpeg File(*.jpg;*.jpeg)|*.jpg;*.jpeg|All File Types(*.*)|*.*", L"Jpeg ファイル(*.jpg;*.jpeg)|*.jpg;*.jpeg|すべてのファイル(*.*)|*.*"},
    {11910, L"Save Jpeg File", L"Jpeg ファイルを保存します"},
    {11911, L"Ini File(*.ini)|*.ini|All File Types(*.*)|*.*", L"設定ファイル(*.ini)|*.ini|すべてのファイル(*.*)|*.*"},
    {11912, L"Save Ini File", L"設定ファイルを保存します"},
    {11913, L"PNG FIle(*.png)|*.png|All File Types(*.*)|*.*", L"PNG ファイル(*.png)|*.png|すべてのファイル(*.*)|*.*"},
    {11914, L"Save PNG File", L"PNG ファイルを保存します"},
};
// clang-format on

constexpr unsigned kLongTestStringId = 40001;

HMODULE ThisProgram() { return ::GetModuleHandleW(nullptr); }

TEST(MessageTable, EveryMessageLoadsInEnglish) {
  for (const Message& m : kMessages) {
    const std::wstring expected = m.english ? m.english : L"";
    EXPECT_EQ(LoadResourceString(ThisProgram(), m.id), expected) << "id " << m.id;
  }
}

TEST(MessageTable, EveryMessageLoadsInJapaneseOneThousandAbove) {
  for (const Message& m : kMessages) {
    EXPECT_EQ(LoadResourceString(ThisProgram(), m.id + 1000), std::wstring(m.japanese)) << "id " << m.id + 1000;
  }
}

TEST(MessageTable, NoTextsBesideTheListedOnes) {
  std::set<unsigned> listed;
  for (const Message& m : kMessages) {
    if (m.english) listed.insert(m.id);
    listed.insert(m.id + 1000);
  }
  EXPECT_EQ(listed.size(), 73u * 2 - 1);
  for (unsigned id = 11000; id < 13000; ++id) {
    if (listed.count(id) == 0) {
      EXPECT_EQ(LoadResourceString(ThisProgram(), id), L"") << "id " << id;
    }
  }
}

TEST(MessageTable, JapaneseTextsAreNotMojibake) {
  // Spelled out as code units, independent of how this source file is read:
  // "画像を開く" (12902) and the Japanese form of "Uninstall OK?" (12033).
  EXPECT_EQ(LoadResourceString(ThisProgram(), 12902), std::wstring(L"\u753B\u50CF\u3092\u958B\u304F"));
  const std::wstring uninstall = LoadResourceString(ThisProgram(), 12033);
  ASSERT_FALSE(uninstall.empty());
  EXPECT_EQ(uninstall.front(), L'\u30A2');
  EXPECT_EQ(uninstall.back(), L'\uFF1F');  // full-width question mark
}

TEST(MessageTable, TextsKeepTheirBlanksAndLineBreaks) {
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_PLUGIN_FOLDER_SET_TAIL), L" ");
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_RECYCLE_QUESTION_TAIL), L" will be moved to recycle folder, OK?");
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_PLUGIN_FOLDER_SET_HEAD), L"Plugin folder set to \n\n");
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_MENU_HIDE), L"Hide(&V)\tCtrl + Space");
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_UNINSTALL_DONE).back(), L'\n');
}

TEST(MessageTable, WindowClassStrings) {
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_WINDOW_CLASS), L"TAVERLUNE");
  EXPECT_EQ(LoadResourceString(ThisProgram(), IDS_APP_TITLE), L"taverlune");
}

TEST(MessageTable, ShippedProgramCarriesEveryMessage) {
  const UniqueModule program = tvtest::OpenShippedProgramResources();
  ASSERT_TRUE(program) << "cannot open the resources of the program built beside the tests";
  for (const Message& m : kMessages) {
    EXPECT_EQ(LoadResourceString(program.get(), m.id), std::wstring(m.english ? m.english : L"")) << "id " << m.id;
    EXPECT_EQ(LoadResourceString(program.get(), m.id + 1000), std::wstring(m.japanese)) << "id " << m.id + 1000;
  }
  EXPECT_EQ(LoadResourceString(program.get(), IDS_WINDOW_CLASS), L"TAVERLUNE");
  EXPECT_EQ(LoadResourceString(program.get(), IDS_APP_TITLE), L"taverlune");
}

TEST(MessageTable, MissingIdGivesEmptyText) {
  EXPECT_EQ(LoadResourceString(ThisProgram(), 40000), L"");
}

TEST(MessageTable, LoadedTextIsCutAt1023Characters) {
  // The test program's resources add a 1100-character text at this id.
  const std::wstring text = LoadResourceString(ThisProgram(), kLongTestStringId);
  EXPECT_EQ(text, std::wstring(1023, L'x'));
}

// Restores the process-wide language after a test that changes it.
class LanguageScope {
 public:
  explicit LanguageScope(UiLanguage language) : previous_(CurrentUiLanguage()) { SetUiLanguage(language); }
  ~LanguageScope() { SetUiLanguage(previous_); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  UiLanguage previous_;
};

TEST(LocalizedString, PicksTheTextOfTheGivenLanguage) {
  EXPECT_EQ(LocalizedString(IDS_START_WITHOUT_INI, UiLanguage::English),
            L"Start without ini File.\nReset plugin folder and other Settings.");
  EXPECT_EQ(LocalizedString(IDS_START_WITHOUT_INI, UiLanguage::Japanese),
            L"ini ファイルを読み込まずに開始します\nプラグインのフォルダなどを再設定してください");
}

TEST(LocalizedString, FollowsTheLanguageChosenAtStart) {
  {
    LanguageScope japanese(UiLanguage::Japanese);
    EXPECT_EQ(LocalizedString(IDS_MENU_CLEAR_HISTORY), L"履歴をクリア(&C)");
    EXPECT_EQ(LocalizedString(IDS_FORBIDDEN_CHAR_HEAD), L"使えない文字");
  }
  {
    LanguageScope english(UiLanguage::English);
    EXPECT_EQ(LocalizedString(IDS_MENU_CLEAR_HISTORY), L"Clear History(&C)");
    // Only the Japanese table has this text; the English message starts empty.
    EXPECT_EQ(LocalizedString(IDS_FORBIDDEN_CHAR_HEAD), L"");
    EXPECT_EQ(LocalizedString(IDS_FORBIDDEN_CHAR_HEAD) + LocalizedString(IDS_FORBIDDEN_CHAR_TAIL),
              L" is not allowd to use file name.");
  }
}

}  // namespace
}  // namespace tv
