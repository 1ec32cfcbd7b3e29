#include "menus/ui_language.h"

#include "menus/menu_ids.h"
#include "menus/message_ids.h"

namespace tv {

UiLanguage UiLanguageFromLangId(std::uint16_t langId) noexcept {
  return langId == kJapaneseLangId ? UiLanguage::Japanese : UiLanguage::English;
}

unsigned LocalizedStringId(unsigned englishId, UiLanguage language) noexcept {
  return language == UiLanguage::Japanese ? englishId + JAPANESE_MESSAGE_OFFSET : englishId;
}

unsigned PopupMenuResourceId(UiLanguage language) noexcept {
  return language == UiLanguage::Japanese ? IDR_POPUP_MENU_JAPANESE : IDR_POPUP_MENU_ENGLISH;
}

}  // namespace tv
