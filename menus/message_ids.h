#pragma once
/* Ids of the message texts in the string table. Each names the English text;
   the Japanese text of the same message is at id + JAPANESE_MESSAGE_OFFSET.
   Plain #defines without C++ so that the resource compiler reads this header. */

#define JAPANESE_MESSAGE_OFFSET 1000

/* Language-independent strings of the window class. */
#define IDS_APP_TITLE 103
#define IDS_WINDOW_CLASS 109

#define IDS_FILE_LIST_SAVED                  11001
#define IDS_START_WITHOUT_INI                11002
#define IDS_CREATE_APP_SHORTCUT              11003
#define IDS_CREATE_INSTANCE_SHORTCUT         11004
#define IDS_CREATE_DEFAULT_INSTANCE_SHORTCUT 11005
#define IDS_ASK_SEND_TO_SHORTCUT             11006
#define IDS_ASK_OVERWRITE_SHORTCUT           11007
#define IDS_CANNOT_DELETE_IN_ARCHIVE         11008
#define IDS_RECYCLE_QUESTION_HEAD            11009
#define IDS_RECYCLE_QUESTION_TAIL            11010
#define IDS_JPEG_SETTING_TITLE               11011
#define IDS_JPEG_QUALITY_LABEL               11012
#define IDS_DELETE_FAILED                    11013
#define IDS_MENU_SHOW_IMAGE                  11014
#define IDS_MENU_SHOW_FILE_LIST              11015
#define IDS_ARCHIVE_COPIED                   11016
#define IDS_ARCHIVE_CUT                      11017
#define IDS_RENAME_TITLE                     11018
#define IDS_RENAME_PROMPT                    11019
#define IDS_RENAME_NAME_EXISTS               11020
#define IDS_RENAMED                          11021
#define IDS_FORBIDDEN_CHAR_HEAD              11022
#define IDS_FORBIDDEN_CHAR_TAIL              11023
#define IDS_FILE_MASK_TITLE                  11024
#define IDS_FILE_MASK_PROMPT                 11025
#define IDS_PLUGIN_FOLDER_SET_HEAD           11026
#define IDS_PLUGIN_FOLDER_SET_TAIL           11027
#define IDS_SAVE_INSTANCE_INI                11028
#define IDS_SAVE_INI_WHERE_SHOWN             11029
#define IDS_ASK_DELETE_INSTANCE              11030
#define IDS_INSTANCE_DELETED                 11031
#define IDS_INSTANCE_DELETED_MOVED_SHORTCUT  11032
#define IDS_ASK_UNINSTALL                    11033
#define IDS_UNINSTALL_DONE                   11034
#define IDS_UNINSTALL_DONE_MOVED_SHORTCUT    11035
#define IDS_ADD_FOLDER_LIST                  11036
#define IDS_ADD_FOLDER_LIST_NO_NAME          11037
#define IDS_MOVE_TO_NEW_FOLDER               11038
#define IDS_ASK_OVERWRITE_ON_MOVE            11039
#define IDS_CREATE_FOLDER_TITLE              11040
#define IDS_CREATE_FOLDER_PROMPT             11041
#define IDS_FOLDER_EXISTS                    11042
#define IDS_SAVE_JPEG_TITLE                  11043
#define IDS_SAVE_JPEG_SHOWING_SIZE_TITLE     11044
#define IDS_FILE_NOT_FOUND                   11045
#define IDS_MENU_HIDE                        11046
#define IDS_MENU_SHOW                        11047
#define IDS_SAVE_PNG_TITLE                   11048
#define IDS_SELECT_FOLDER                    11049
#define IDS_WINDOW_SIZE_TITLE                11050
#define IDS_WIDTH_LABEL                      11051
#define IDS_HEIGHT_LABEL                     11052
#define IDS_FILE_MASK_SETTING_TITLE          11053
#define IDS_INTERNAL_LOADER_MASK_PROMPT      11054
#define IDS_MENU_CLEAR_HISTORY               11055
#define IDS_ASK_CLEAR_HISTORY                11056
#define IDS_SELECT_PLUGIN_FOLDER             11057
#define IDS_MOVE_FAILED                      11058
#define IDS_NOT_USED                         11059
#define IDS_INVALID_INSTANCE_NAME            11060

#define IDS_FILTER_ALL_FILES                 11901
#define IDS_OPEN_IMAGE_TITLE                 11902
#define IDS_COPY_RGB_HEAD                    11903
#define IDS_COPY_RGB_TAIL                    11904
#define IDS_FILTER_FILE_LIST                 11905
#define IDS_SAVE_FILE_LIST_TITLE             11906
#define IDS_FILTER_SHORTCUT                  11907
#define IDS_CREATE_SHORTCUT_TITLE            11908
#define IDS_FILTER_JPEG                      11909
#define IDS_SAVE_JPEG_FILE_TITLE             11910
#define IDS_FILTER_INI                       11911
#define IDS_SAVE_INI_TITLE                   11912
#define IDS_FILTER_PNG                       11913
#define IDS_SAVE_PNG_FILE_TITLE              11914
