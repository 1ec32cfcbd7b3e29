list(APPEND PURE_SOURCES app/command_line.cpp app/instance_identity.cpp)
list(APPEND APP_SOURCES app/main.cpp)
