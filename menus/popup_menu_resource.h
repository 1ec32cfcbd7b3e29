#pragma once
// Loading the popup menu resource of a language. What the menu does and how
// its items change at run time lives with the main window's menu handling.
#include <windows.h>

#include "menus/ui_language.h"
#include "util/win_handles.h"

namespace tv {

// The whole menu resource (sub-menus kPopupSubMenuIndex and kMoveSubMenuIndex)
// of language from module; empty when the module has no such menu.
UniqueMenu LoadPopupMenuResource(HMODULE module, UiLanguage language);

}  // namespace tv
