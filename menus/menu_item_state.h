#pragma once
// Writes the state of one popup-menu item by command id. Marks are always
// written from the settings, never read back; each call changes only its own
// bits, so a greyed item keeps its grey when its mark changes and back.
#include <windows.h>

namespace tv {

// radio: the item shows a bullet instead of a tick (the type flag is added
// and kept; it only shows while the item is checked).
void SetItemChecked(HMENU menu, UINT id, bool checked, bool radio = false);
void SetItemGreyed(HMENU menu, UINT id, bool greyed);

}  // namespace tv
