list(APPEND APP_SOURCES app/main.cpp)
