list(APPEND PURE_SOURCES app/command_line.cpp app/instance_identity.cpp app/load_progress.cpp
  app/idle_tick.cpp app/refind_entry.cpp)
list(APPEND APP_SOURCES app/main.cpp)
