#pragma once
// Writes the state of one popup-menu item by command id. Marks are always
// written from the settings, never read back; each call changes only its own
// bits, so a greyed item keeps its grey when its mark changes and back.
#include <windows.h>

#include <string>

namespace tv {

// radio: the item shows a bullet instead of a tick (the type flag is added
// and kept; it only shows while the item is checked).
void SetItemChecked(HMENU menu, UINT id, bool checked, bool radio = false);
void SetItemGreyed(HMENU menu, UINT id, bool greyed);
// Replaces only the item's text; state and type stay.
void SetItemText(HMENU menu, UINT id, const std::wstring& text);

}  // namespace tv
