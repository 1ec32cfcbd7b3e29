#include "menus/menu_item_state.h"

namespace tv {
namespace {

void UpdateItem(HMENU menu, UINT id, UINT clear, UINT set, bool radio) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  if (!::GetMenuItemInfoW(menu, id, FALSE, &info)) return;
  const UINT state = (info.fState & ~clear) | set;
  const UINT type = radio ? (info.fType | MFT_RADIOCHECK) : info.fType;
  if (state == info.fState && type == info.fType) return;
  info.fState = state;
  info.fType = type;
  ::SetMenuItemInfoW(menu, id, FALSE, &info);
}

}  // namespace

void SetItemChecked(HMENU menu, UINT id, bool checked, bool radio) {
  UpdateItem(menu, id, MFS_CHECKED, checked ? MFS_CHECKED : 0, radio);
}

void SetItemGreyed(HMENU menu, UINT id, bool greyed) {
  UpdateItem(menu, id, MFS_GRAYED | MFS_DISABLED, greyed ? (MFS_GRAYED | MFS_DISABLED) : 0, false);
}

void SetItemText(HMENU menu, UINT id, const std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  ::SetMenuItemInfoW(menu, id, FALSE, &info);
}

}  // namespace tv
