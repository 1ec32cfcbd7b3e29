#pragma once
// Builds a popup menu from items made without a window.
#include <vector>

#include "util/text_menu_item.h"
#include "util/win_handles.h"

namespace tv {

// Empty when the system cannot make a menu.
UniqueMenu MenuOfItems(const std::vector<TextMenuItem>& items);

}  // namespace tv
