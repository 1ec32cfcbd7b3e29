list(APPEND PURE_SOURCES
  imaging/stored_zip.cpp imaging/gif_blocks.cpp imaging/exif.cpp imaging/sniff.cpp
  imaging/information_text.cpp imaging/pixel_convert.cpp imaging/declared_size.cpp imaging/plugin_format.cpp
  imaging/animation_clock.cpp
  imaging/gif_animation_info.cpp imaging/animation_thread.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES
    imaging/foreign_call_guard.cpp imaging/mapped_file.cpp imaging/byte_stream.cpp imaging/dib.cpp
    imaging/gdiplus_decode.cpp imaging/webp_decode.cpp imaging/loaded_image.cpp
    imaging/loaded_image_transform.cpp imaging/memory_budget.cpp imaging/program_version.cpp imaging/plugin_host.cpp
    imaging/loaded_image_animation.cpp imaging/picture_export.cpp imaging/loaded_image_adopt.cpp
    imaging/loaded_image_source.cpp
    imaging/picture_preparer.cpp)
endif()
