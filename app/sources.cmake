list(APPEND PURE_SOURCES app/command_line.cpp app/instance_identity.cpp app/load_progress.cpp
  app/idle_tick.cpp app/refind_entry.cpp app/key_map.cpp app/settings_sync.cpp app/instance_name.cpp
  app/sibling_rules.cpp)
if(WIN_BUILD)
  list(APPEND WIN_SOURCES app/timer_record.cpp app/main_form.cpp app/main_form_hosts.cpp
    app/main_form_display.cpp app/main_form_messages.cpp app/main_form_commands.cpp app/main_form_paint.cpp
    app/command_table.cpp app/main_form_view_commands.cpp app/main_form_option_commands.cpp
    app/main_form_history.cpp app/main_form_popup_menu.cpp app/main_form_tray.cpp app/tray_icon.cpp
    app/main_form_file_commands.cpp app/main_form_move_menu.cpp
    app/main_form_plugins.cpp
    app/main_form_animation.cpp app/main_form_mouse.cpp
    app/main_form_forms.cpp app/main_form_export_commands.cpp app/main_form_siblings.cpp
    app/main_form_instance_commands.cpp app/main_form_prepare.cpp)
endif()
list(APPEND APP_SOURCES app/main.cpp)
