# Susie plug-ins built with the program: the two real ones beside it in
# plugins/, the misbehaving test peers in test-plugins/.
function(add_susie_plugin name folder)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".spi"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${OUR_WARNINGS})
  if(TAVERLUNE_FLAVOR STREQUAL "win32")
    # Plug-in hosts look the entry points up by their plain names, without
    # the stdcall decoration.
    target_link_options(${name} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

add_susie_plugin(ppm plugins tools/plugins/ppm_plugin.cpp)
add_susie_plugin(tar plugins tools/plugins/tar_plugin.cpp)
add_susie_plugin(test_image test-plugins tests/plugins/test_plugin.cpp)
add_susie_plugin(test_archive test-plugins tests/plugins/test_plugin.cpp)
target_compile_definitions(test_archive PRIVATE TEST_VERSION="00AM")
add_susie_plugin(test_other test-plugins tests/plugins/test_plugin.cpp)
target_compile_definitions(test_other PRIVATE TEST_VERSION="00XX")
add_susie_plugin(test_without_info test-plugins tests/plugins/test_plugin.cpp)
target_compile_definitions(test_without_info PRIVATE TEST_WITHOUT_INFO)
set(SUSIE_PLUGINS ppm tar test_image test_archive test_other test_without_info)
