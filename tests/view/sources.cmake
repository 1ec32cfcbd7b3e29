list(APPEND PURE_TESTS tests/view/paint_geometry_test.cpp)
