list(APPEND PURE_SOURCES
  settings/settings_keys.cpp settings/settings_text.cpp settings/settings_store.cpp
  settings/list_lines.cpp settings/list_file.cpp settings/recent_paths.cpp settings/instance_files.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES
    settings/make_folder_win.cpp settings/app_data_folder_win.cpp settings/key_state_win.cpp
    settings/instance_cleanup_win.cpp)
else()
  list(APPEND PURE_SOURCES settings/make_folder_posix.cpp settings/app_data_folder_posix.cpp)
endif()
