list(APPEND PURE_TESTS
  tests/settings/settings_text_test.cpp tests/settings/settings_store_test.cpp
  tests/settings/list_files_test.cpp tests/settings/recent_paths_test.cpp)
list(APPEND WIN_TESTS tests/settings/settings_win_test.cpp)
list(APPEND FUZZ_TARGETS fuzz_settings_files:tests/settings/fuzz_settings_files.cpp)
