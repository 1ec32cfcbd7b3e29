list(APPEND PURE_TESTS
  tests/view/monitor_areas_test.cpp tests/view/layout_test.cpp tests/view/view_commands_test.cpp
  tests/view/view_property_test.cpp tests/view/paint_geometry_test.cpp tests/view/mouse_math_test.cpp)
list(APPEND WIN_TESTS tests/view/monitor_win_test.cpp tests/view/picture_painter_test.cpp)
