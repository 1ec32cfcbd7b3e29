list(APPEND PURE_SOURCES view/paint_geometry.cpp)
