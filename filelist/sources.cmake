list(APPEND PURE_SOURCES
  filelist/sort_order.cpp filelist/archive_member_filter.cpp filelist/image_file_list.cpp
  filelist/move_menu_plan.cpp filelist/file_op_decisions.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES
    filelist/file_entry.cpp filelist/folder_enumeration.cpp filelist/folder_listing.cpp
    filelist/folder_identity.cpp filelist/folder_scan_job.cpp filelist/folder_scanner.cpp
    filelist/list_builder.cpp filelist/file_operations.cpp)
endif()
