list(APPEND PURE_SOURCES app/command_line.cpp app/instance_identity.cpp app/load_progress.cpp
  app/idle_tick.cpp app/refind_entry.cpp app/key_map.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES app/timer_record.cpp)
endif()
list(APPEND APP_SOURCES app/main.cpp)
