list(APPEND PURE_TESTS
  tests/imaging/stored_zip_test.cpp tests/imaging/gif_blocks_test.cpp tests/imaging/exif_test.cpp
  tests/imaging/information_text_test.cpp tests/imaging/pixel_convert_test.cpp
  tests/imaging/declared_size_test.cpp tests/imaging/plugin_format_test.cpp
  tests/imaging/animation_clock_test.cpp
  tests/imaging/animation_thread_test.cpp)
list(APPEND FUZZ_TARGETS
  fuzz_stored_zip:tests/imaging/fuzz_stored_zip.cpp
  fuzz_gif_blocks:tests/imaging/fuzz_gif_blocks.cpp
  fuzz_exif:tests/imaging/fuzz_exif.cpp
  fuzz_declared_size:tests/imaging/fuzz_declared_size.cpp
  fuzz_plugin_format:tests/imaging/fuzz_plugin_format.cpp)
list(APPEND WIN_TESTS
  tests/imaging/foreign_call_guard_test.cpp tests/imaging/mapped_file_test.cpp
  tests/imaging/picture_files.cpp tests/imaging/loaded_image_test.cpp
  tests/imaging/program_version_test.cpp tests/imaging/plugin_host_test.cpp
  tests/imaging/loaded_image_animation_test.cpp)
