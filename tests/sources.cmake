list(APPEND PURE_TESTS tests/support/temp_folder.cpp tests/support/gif_writer.cpp)
list(APPEND WIN_TESTS tests/support/gif_writer_test.cpp)
