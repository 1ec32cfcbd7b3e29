if(WIN_BUILD)
  list(APPEND WIN_SOURCES forms/list_box_control.cpp forms/control_wrapper.cpp forms/dialog_form.cpp
    forms/input_form.cpp)
endif()
