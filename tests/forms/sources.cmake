list(APPEND PURE_TESTS tests/forms/number_filter_test.cpp)
list(APPEND WIN_TESTS tests/forms/list_box_control_test.cpp tests/forms/form_resources.rc
  tests/forms/progress_form_test.cpp)
