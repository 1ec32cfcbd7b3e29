#pragma once
// Message texts from the program's string table in the chosen UI language.
// Every message and label the program shows is named by its English id
// (menus/message_ids.h) and read through LocalizedString.
#include <windows.h>

#include <string>

#include "menus/ui_language.h"

namespace tv {

// The language LocalizedString(id) uses. Start-up sets it once, before the
// window exists; until then texts come in English.
void SetUiLanguage(UiLanguage language) noexcept;
UiLanguage CurrentUiLanguage() noexcept;

// The user's UI language as the system reports it.
UiLanguage UserUiLanguage() noexcept;

// Entry id of module's string table, or empty when there is none.
// A loaded text holds at most kMaxLoadedTextLength characters.
inline constexpr int kMaxLoadedTextLength = 1023;
std::wstring LoadResourceString(HMODULE module, unsigned id);

// The text of the message englishId in language, from the program's own module.
std::wstring LocalizedString(unsigned englishId, UiLanguage language);
// The same in CurrentUiLanguage().
std::wstring LocalizedString(unsigned englishId);

}  // namespace tv
