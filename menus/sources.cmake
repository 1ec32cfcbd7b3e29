list(APPEND PURE_SOURCES menus/ui_language.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES menus/localized_string.cpp menus/popup_menu_resource.cpp menus/menu_item_state.cpp
    menus/text_menu.cpp)
endif()
