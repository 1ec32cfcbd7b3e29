if(WIN_BUILD)
  list(APPEND WIN_SOURCES forms/list_box_control.cpp)
endif()
