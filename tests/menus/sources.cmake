list(APPEND PURE_TESTS tests/menus/ui_language_test.cpp)
if(WIN_BUILD)
  # The test program carries the menus and string tables itself, so the texts
  # are checked as the resource compiler really produced them.
  list(APPEND WIN_TESTS
    tests/menus/menu_resources.rc tests/menus/shipped_program.cpp
    tests/menus/message_table_test.cpp tests/menus/popup_menu_test.cpp)
  # Some tests also open the viewer program built beside them to check that it
  # links the same resources; build it whenever the tests are built. Deferred
  # because both targets are defined after this list is read.
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR}
    CALL add_dependencies taverlune_tests taverlune)
endif()
