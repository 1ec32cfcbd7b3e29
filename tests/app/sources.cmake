list(APPEND PURE_TESTS tests/app/startup_test.cpp tests/app/display_timing_test.cpp
  tests/app/refind_entry_test.cpp tests/app/key_map_test.cpp tests/app/sibling_rules_test.cpp)
if(WIN_BUILD)
  list(APPEND WIN_TESTS tests/app/viewer_fixture.cpp tests/app/viewer_test.cpp tests/app/command_table_test.cpp
    tests/app/test_version.rc tests/app/start_window_test.cpp tests/app/picture_turn_test.cpp
    tests/app/plugin_viewer_test.cpp
    tests/app/animation_viewer_test.cpp tests/app/mouse_viewer_test.cpp tests/app/menu_test.cpp
    tests/app/forms_viewer_test.cpp tests/app/export_viewer_test.cpp
    tests/app/file_commands_test.cpp tests/support/folder_snapshot.cpp tests/app/sibling_windows_test.cpp
    tests/app/instance_test.cpp tests/app/child_viewer.cpp tests/app/hostile_files_test.cpp
    tests/app/prepare_viewer_test.cpp)
endif()
