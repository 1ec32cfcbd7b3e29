list(APPEND PURE_TESTS tests/app/startup_test.cpp)
