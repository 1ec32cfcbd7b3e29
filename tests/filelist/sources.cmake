list(APPEND PURE_TESTS
  tests/filelist/sort_order_test.cpp tests/filelist/image_file_list_test.cpp tests/filelist/file_time_test.cpp
  tests/filelist/move_menu_plan_test.cpp)
list(APPEND WIN_TESTS
  tests/filelist/folder_scan_test.cpp tests/filelist/list_builder_test.cpp tests/filelist/folder_listing_test.cpp)
list(APPEND FUZZ_TARGETS fuzz_list_order:tests/filelist/fuzz_list_order.cpp)
