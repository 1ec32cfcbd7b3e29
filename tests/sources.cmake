list(APPEND PURE_TESTS tests/support/temp_folder.cpp tests/support/test_files.cpp)
