#include "menus/popup_menu_resource.h"

namespace tv {

UniqueMenu LoadPopupMenuResource(HMODULE module, UiLanguage language) {
  return UniqueMenu(::LoadMenuW(module, MAKEINTRESOURCEW(PopupMenuResourceId(language))));
}

}  // namespace tv
