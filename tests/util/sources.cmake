list(APPEND PURE_TESTS tests/util/text_test.cpp tests/util/paths_test.cpp)
list(APPEND WIN_TESTS tests/util/win_file_test.cpp)
list(APPEND FUZZ_TARGETS
  fuzz_text_file:tests/util/fuzz_text_file.cpp
  fuzz_mask:tests/util/fuzz_mask.cpp)
