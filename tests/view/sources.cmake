list(APPEND PURE_TESTS tests/view/paint_geometry_test.cpp)
list(APPEND WIN_TESTS tests/view/picture_painter_test.cpp)
