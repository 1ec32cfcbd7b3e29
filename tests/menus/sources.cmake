if(WIN_BUILD)
  # The test program carries the menus and string tables itself, so the texts
  # are checked as the resource compiler really produced them.
  list(APPEND WIN_TESTS tests/menus/menu_resources.rc tests/menus/shipped_program.cpp tests/menus/menu_resources_test.cpp)
endif()
