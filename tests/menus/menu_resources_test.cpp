// The menus and message texts as the resource compiler put them into the test
// program and into the shipped program, checked against every id the headers define.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "menus/localized_string.h"
#include "menus/menu_ids.h"
#include "menus/message_ids.h"
#include "menus/popup_menu_resource.h"
#include "tests/menus/shipped_program.h"
#include "util/text.h"

namespace tv {
namespace {

// Values of the "#define <prefix>..." lines of an id header linked in as data.
std::set<unsigned> DefinedIds(int resourceId, const std::string& prefix) {
  HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL data = found ? ::LoadResource(nullptr, found) : nullptr;
  std::istringstream lines(data ? std::string(static_cast<const char*>(::LockResource(data)), ::SizeofResource(nullptr, found)) : "");
  std::set<unsigned> ids;
  std::string define, name;
  unsigned value = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    if (words >> define >> name >> value && define == "#define" && name.starts_with(prefix) && !name.ends_with("_FIRST")) ids.insert(value);
  }
  return ids;
}

struct Row {
  int depth;
  UINT type, state, id;
  bool subMenu;
  std::wstring text;
};

void Flatten(HMENU menu, int depth, std::vector<Row>& rows) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 256;
    ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
    rows.push_back({depth, info.fType, info.fState, info.hSubMenu ? 0 : info.wID, info.hSubMenu != nullptr, text});
    if (info.hSubMenu) Flatten(info.hSubMenu, depth + 1, rows);
  }
}

std::vector<Row> MenuRows(HMODULE module, UiLanguage language) {
  std::vector<Row> rows;
  if (UniqueMenu menu = LoadPopupMenuResource(module, language)) Flatten(menu.get(), 0, rows);
  return rows;
}

TEST(PopupMenuResource, BothProgramsCarryBothMenusWithEveryCommand) {
  const UniqueModule shipped = tvtest::OpenShippedProgramResources();
  ASSERT_TRUE(shipped) << "cannot open " << WideToUtf8(tvtest::ShippedProgramPath());
  const std::set<unsigned> defined = DefinedIds(50001, "IDM_");
  ASSERT_GT(defined.size(), 100u);
  for (HMODULE module : {::GetModuleHandleW(nullptr), shipped.get()}) {
    const std::vector<Row> english = MenuRows(module, UiLanguage::English);
    const std::vector<Row> japanese = MenuRows(module, UiLanguage::Japanese);
    ASSERT_EQ(english.size(), japanese.size());
    std::set<unsigned> ids, disabled;
    for (size_t i = 0; i < english.size(); ++i) {
      const Row &en = english[i], &ja = japanese[i];
      EXPECT_EQ(std::tie(en.depth, en.type, en.state, en.id, en.subMenu), std::tie(ja.depth, ja.type, ja.state, ja.id, ja.subMenu)) << "row " << i;
      EXPECT_EQ(en.text.empty(), ja.text.empty()) << "row " << i;
      EXPECT_TRUE(!en.id || ids.insert(en.id).second) << "duplicate id " << en.id;
      if (en.id && (en.state & MFS_DISABLED)) disabled.insert(en.id);
    }
    EXPECT_EQ(ids, defined);
    EXPECT_EQ(disabled, (std::set<unsigned>{IDM_HISTORY, IDM_CLOSE_ARCHIVE}));
    // The popup first, then the template of the move menu.
    ASSERT_GT(english.size(), 3u);
    EXPECT_EQ(std::count_if(english.begin(), english.end(), [](const Row& r) { return r.depth == 0; }), 2);
    EXPECT_EQ(english[1].id, static_cast<UINT>(IDM_HIDE));
    EXPECT_EQ(english.end()[-3].id, static_cast<UINT>(IDM_QUIT));
    EXPECT_EQ(english.end()[-2].depth, 0);
    EXPECT_EQ(english.back().id, static_cast<UINT>(IDM_MOVE_PARENT));
  }
  EXPECT_FALSE(LoadPopupMenuResource(::GetModuleHandleW(L"kernel32.dll"), UiLanguage::English));
}

TEST(PopupMenuResource, SpotTextsInTheUsersLanguage) {
  const struct {
    std::uint16_t langId;
    UINT id;
    const wchar_t* text;
  } cases[] = {
      {0x0409, IDM_HIDE, L"Hide(V)\tCtrl + Space"},
      {0x0011, IDM_HIDE, L"Hide(V)\tCtrl + Space"},  // Japanese without Japan does not count
      {0x0407, IDM_COPY_FILE_PATH, L"Copy File Path(&Z)\tCtrl + Shift + C"},
      {0x0411, IDM_HIDE, L"\u96A0\u3059(V)\tCtrl + Space"},  // code units, whatever this file's encoding
      {0x0411, IDM_INTERVAL_24H, L"24時間(&E)"},
  };
  for (const auto& c : cases) {
    UniqueMenu menu = LoadPopupMenuResource(::GetModuleHandleW(nullptr), UiLanguageFromLangId(c.langId));
    wchar_t text[256] = {};
    ::GetMenuStringW(menu.get(), c.id, text, 256, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), c.text) << std::hex << c.langId << " " << std::dec << c.id;
  }
}

TEST(MessageTable, EveryMessageHasTextInBothLanguagesAndNoOthers) {
  const UniqueModule shipped = tvtest::OpenShippedProgramResources();
  ASSERT_TRUE(shipped);
  const std::set<unsigned> defined = DefinedIds(50002, "IDS_");
  ASSERT_GT(defined.size(), 70u);
  for (HMODULE module : {::GetModuleHandleW(nullptr), shipped.get()}) {
    for (unsigned id : defined) {
      // The English table deliberately has no head for the forbidden-character message.
      EXPECT_EQ(LoadResourceString(module, id).empty(), id == IDS_FORBIDDEN_CHAR_HEAD) << id;
      EXPECT_TRUE(id < JAPANESE_MESSAGE_OFFSET || !LoadResourceString(module, id + JAPANESE_MESSAGE_OFFSET).empty()) << id;
    }
    for (unsigned id = 11000; id < 13000; ++id) {
      const bool known = defined.contains(id) || defined.contains(id - JAPANESE_MESSAGE_OFFSET);
      EXPECT_TRUE(known || LoadResourceString(module, id).empty()) << id;
    }
  }
}

TEST(MessageTable, SpotTextsKeepBlanksBreaksAndJapaneseCodeUnits) {
  const std::pair<unsigned, std::wstring> cases[] = {
      {IDS_PLUGIN_FOLDER_SET_TAIL, L" "},
      {IDS_PLUGIN_FOLDER_SET_HEAD, L"Plugin folder set to \n\n"},
      {IDS_RECYCLE_QUESTION_TAIL, L" will be moved to recycle folder, OK?"},
      {IDS_OPEN_IMAGE_TITLE + JAPANESE_MESSAGE_OFFSET, L"\u753B\u50CF\u3092\u958B\u304F"},
      {40000, L""},
      {40001, std::wstring(kMaxLoadedTextLength, L'x')},  // a longer text is cut
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(LoadResourceString(::GetModuleHandleW(nullptr), id), text) << id;
}

TEST(LocalizedString, FollowsTheLanguageChosenAtStart) {
  const UiLanguage previous = CurrentUiLanguage();
  SetUiLanguage(UiLanguage::Japanese);
  EXPECT_EQ(LocalizedString(IDS_MENU_CLEAR_HISTORY), L"履歴をクリア(&C)");
  SetUiLanguage(UiLanguage::English);
  EXPECT_EQ(LocalizedString(IDS_MENU_CLEAR_HISTORY), L"Clear History(&C)");
  EXPECT_EQ(LocalizedString(IDS_START_WITHOUT_INI, UiLanguage::Japanese).substr(0, 4), L"ini ");
  SetUiLanguage(previous);
}

}  // namespace
}  // namespace tv
