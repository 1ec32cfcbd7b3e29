list(APPEND PURE_TESTS tests/support/temp_folder.cpp tools/sample_files.cpp)
