list(APPEND PURE_SOURCES
  imaging/stored_zip.cpp imaging/gif_blocks.cpp imaging/exif.cpp imaging/sniff.cpp
  imaging/information_text.cpp)
