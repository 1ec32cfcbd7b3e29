#include "menus/ui_language.h"

#include <gtest/gtest.h>

#include "menus/menu_ids.h"
#include "menus/message_ids.h"

namespace tv {
namespace {

TEST(UiLanguage, OnlyJapaneseJapanSelectsJapanese) {
  struct Case {
    std::uint16_t langId;
    UiLanguage expected;
  };
  const Case cases[] = {
      {0x0411, UiLanguage::Japanese},  // ja-JP
      {0x0409, UiLanguage::English},   // en-US
      {0x0809, UiLanguage::English},   // en-GB
      {0x0011, UiLanguage::English},   // Japanese without a country is not 1041
      {0x0407, UiLanguage::English},   // de-DE
      {0x0804, UiLanguage::English},   // zh-CN
      {0x0000, UiLanguage::English},
      {0xFFFF, UiLanguage::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UiLanguageFromLangId(c.langId), c.expected) << std::hex << c.langId;
  }
}

TEST(UiLanguage, JapaneseTextsLieOneThousandAbove) {
  EXPECT_EQ(LocalizedStringId(11002, UiLanguage::English), 11002u);
  EXPECT_EQ(LocalizedStringId(11002, UiLanguage::Japanese), 12002u);
  EXPECT_EQ(LocalizedStringId(IDS_FILE_LIST_SAVED, UiLanguage::Japanese), 12001u);
  EXPECT_EQ(LocalizedStringId(IDS_SAVE_PNG_FILE_TITLE, UiLanguage::Japanese), 12914u);
  EXPECT_EQ(LocalizedStringId(IDS_SAVE_PNG_FILE_TITLE, UiLanguage::English), 11914u);
}

TEST(UiLanguage, EachLanguageHasItsOwnPopupMenu) {
  EXPECT_EQ(PopupMenuResourceId(UiLanguage::English), 129u);
  EXPECT_EQ(PopupMenuResourceId(UiLanguage::Japanese), 130u);
}

}  // namespace
}  // namespace tv
