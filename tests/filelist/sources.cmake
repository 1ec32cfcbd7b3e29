list(APPEND PURE_TESTS
  tests/filelist/sort_order_test.cpp tests/filelist/image_file_list_test.cpp)
