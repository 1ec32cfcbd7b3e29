list(APPEND PURE_SOURCES forms/number_filter.cpp forms/proportional_size.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES forms/list_box_control.cpp forms/control_wrapper.cpp forms/dialog_form.cpp
    forms/input_form.cpp forms/number_field.cpp forms/size_form.cpp forms/jpeg_setting_form.cpp
    forms/progress_form.cpp)
endif()
