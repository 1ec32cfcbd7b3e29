#include "menus/ui_language.h"

#include <gtest/gtest.h>

#include "menus/message_ids.h"

namespace tv {
namespace {

TEST(UiLanguage, OnlyJapaneseJapanSelectsJapanese) {
  // 0x0011 is Japanese without a country, which does not count.
  for (std::uint16_t langId : {0x0409, 0x0809, 0x0011, 0x0407, 0x0804, 0x0000, 0xFFFF}) {
    EXPECT_EQ(UiLanguageFromLangId(langId), UiLanguage::English) << std::hex << langId;
  }
  EXPECT_EQ(UiLanguageFromLangId(0x0411), UiLanguage::Japanese);
  EXPECT_EQ(LocalizedStringId(IDS_SAVE_PNG_FILE_TITLE, UiLanguage::English), 11914u);
  EXPECT_EQ(LocalizedStringId(IDS_SAVE_PNG_FILE_TITLE, UiLanguage::Japanese), 12914u);
}

}  // namespace
}  // namespace tv
