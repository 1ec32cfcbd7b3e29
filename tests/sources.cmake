list(APPEND PURE_TESTS tests/support/temp_folder.cpp tools/sample_files.cpp)
if(WIN_BUILD)
  list(APPEND WIN_TESTS tests/support/dialog_driver.cpp tests/support/process_counts.cpp)
endif()
