list(APPEND PURE_SOURCES
  util/text.cpp util/key_value.cpp util/wildcard.cpp util/paths.cpp
  util/text_file.cpp util/file_system_common.cpp util/timer_ids.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES
    util/file_system_win.cpp util/shell_link.cpp util/codepage.cpp util/clipboard.cpp
    util/dropped_files.cpp util/file_dialogs.cpp util/window_util.cpp)
else()
  list(APPEND PURE_SOURCES util/file_system_posix.cpp)
endif()
