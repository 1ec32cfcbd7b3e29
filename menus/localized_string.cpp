#include "menus/localized_string.h"

#include <atomic>

namespace tv {

namespace {

// Written once by start-up; atomic because texts may be built on any thread.
std::atomic<UiLanguage> g_uiLanguage{UiLanguage::English};

}  // namespace

void SetUiLanguage(UiLanguage language) noexcept { g_uiLanguage.store(language); }

UiLanguage CurrentUiLanguage() noexcept { return g_uiLanguage.load(); }

UiLanguage UserUiLanguage() noexcept { return UiLanguageFromLangId(::GetUserDefaultUILanguage()); }

std::wstring LoadResourceString(HMODULE module, unsigned id) {
  wchar_t buffer[kMaxLoadedTextLength + 1];
  const int length = ::LoadStringW(module, id, buffer, kMaxLoadedTextLength + 1);
  return length > 0 ? std::wstring(buffer, static_cast<size_t>(length)) : std::wstring();
}

std::wstring LocalizedString(unsigned englishId, UiLanguage language) {
  return LoadResourceString(::GetModuleHandleW(nullptr), LocalizedStringId(englishId, language));
}

std::wstring LocalizedString(unsigned englishId) { return LocalizedString(englishId, CurrentUiLanguage()); }

}  // namespace tv
