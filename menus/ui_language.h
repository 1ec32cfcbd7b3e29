#pragma once
// Which of the two resource languages the program speaks, and where the texts
// of that language live. The language is chosen once at start from the user's
// UI language; menus and messages share the same ids across languages, so the
// choice only shifts resource ids.
#include <cstdint>

namespace tv {

enum class UiLanguage { English, Japanese };

// LANGID of Japanese (Japan), as GetUserDefaultUILanguage reports it.
inline constexpr std::uint16_t kJapaneseLangId = 0x0411;

// Japanese only for exactly 0x0411; every other language gets English.
UiLanguage UiLanguageFromLangId(std::uint16_t langId) noexcept;

// The string-table id holding the text of the message named by englishId.
unsigned LocalizedStringId(unsigned englishId, UiLanguage language) noexcept;

// The popup menu resource of the language (129 English, 130 Japanese).
unsigned PopupMenuResourceId(UiLanguage language) noexcept;

// Positions of the two top-level sub-menus in either popup menu resource.
inline constexpr int kPopupSubMenuIndex = 0;  // the window's context menu
inline constexpr int kMoveSubMenuIndex = 1;   // template of the move menu

}  // namespace tv
