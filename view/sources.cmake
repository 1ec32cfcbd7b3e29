list(APPEND PURE_SOURCES view/paint_geometry.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES view/picture_painter.cpp)
endif()
