list(APPEND PURE_SOURCES view/monitor_areas.cpp view/view_geometry.cpp view/view_commands.cpp
  view/paint_geometry.cpp view/mouse_math.cpp view/mouse_controller.cpp view/target_size_probe.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES view/monitor_win.cpp view/picture_painter.cpp)
else()
  # Out-of-range double to int conversions and divisions by zero are outside
  # the default sanitizer set; the geometry must be free of both.
  set_source_files_properties(view/view_geometry.cpp view/view_commands.cpp view/monitor_areas.cpp
    view/paint_geometry.cpp view/mouse_math.cpp
    PROPERTIES COMPILE_OPTIONS "-fsanitize=float-cast-overflow,float-divide-by-zero;-fno-sanitize-recover=all")
endif()
