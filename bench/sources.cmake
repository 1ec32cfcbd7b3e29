# Speed figures, printed as "BENCH <name> <value> <unit>" lines by make bench.
list(APPEND BENCH_SOURCES bench/bench_main.cpp bench/util_bench.cpp bench/settings_bench.cpp
  bench/filelist_bench.cpp tests/support/temp_folder.cpp)
if(WIN_BUILD)
  list(APPEND BENCH_SOURCES bench/loader_bench.cpp bench/viewer_bench.cpp bench/plugin_bench.cpp bench/anim_bench.cpp
    bench/prepare_bench.cpp bench/bench_pictures.cpp
    tests/imaging/picture_files.cpp
    tools/sample_files.cpp)
endif()
