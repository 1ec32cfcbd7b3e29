#include "menus/text_menu.h"

namespace tv {

UniqueMenu MenuOfItems(const std::vector<TextMenuItem>& items) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return menu;
  UINT position = 0;
  for (const TextMenuItem& item : items) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    if (item.id == 0) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_ID | MIIM_STRING;
      info.wID = static_cast<UINT>(item.id);
      info.dwTypeData = const_cast<wchar_t*>(item.text.c_str());
    }
    ::InsertMenuItemW(menu.get(), position++, TRUE, &info);
  }
  return menu;
}

}  // namespace tv
