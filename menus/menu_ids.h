#pragma once
/* Ids of the popup menu resources and of every menu command. Plain #defines
   without C++ so that the resource compiler reads this header too. */

#define IDR_POPUP_MENU_ENGLISH 129
#define IDR_POPUP_MENU_JAPANESE 130

/* Single commands (32775-32919), in the order of the popup menu. */
#define IDM_HIDE                             32775
#define IDM_SHOW_PIXEL_BY_PIXEL              32776
#define IDM_SHOW_IN_SCREEN                   32777
#define IDM_MOVE_TO_CENTER                   32778
#define IDM_ALWAYS_ON_TOP                    32781
#define IDM_FIX_SIZE_RATIO                   32782
#define IDM_FIX_DIAGONAL_LENGTH              32783
#define IDM_SET_WINDOW_SIZE                  32784
#define IDM_FIT_TO_SCREEN                    32785
#define IDM_USE_WHOLE_SCREEN                 32786
#define IDM_FULL_SCREEN                      32787
#define IDM_SLIDE_SHOW                       32789
#define IDM_REFRESH                          32790
#define IDM_DUPLICATE_WINDOW                 32913
#define IDM_LOCK                             32791
#define IDM_OPEN_FILES                       32792
#define IDM_OPEN_FOLDER                      32793
#define IDM_LOAD_EXISTS_FOLDER_FILES         32794
#define IDM_HISTORY                          32795
#define IDM_CLOSE_ARCHIVE                    32796
#define IDM_LINEUP_UPWARD                    32915
#define IDM_LINEUP_LEFTWARD                  32916
#define IDM_LINEUP_RIGHTWARD                 32917
#define IDM_LINEUP_DOWNWARD                  32918
#define IDM_LINEUP_SAME_POSITION             32919
#define IDM_SHOW_FILE_LIST                   32840
#define IDM_SAVE_FILELIST                    32803
#define IDM_COPY_IMAGE_TO_CLIPBOARD          32799
#define IDM_COPY_RGB_VALUE                   32800
#define IDM_SHOW_FILE_INFORMATION            32841
#define IDM_FILE_COPY                        32806
#define IDM_FILE_CUT                         32807
#define IDM_FILE_PASTE                       32808
#define IDM_FILE_RENAME                      32809
#define IDM_COPY_FILE_PATH                   32810
#define IDM_FILE_MOVE                        32811
#define IDM_MOVE_TO_RECYCLE                  32839
#define IDM_OPEN_EXISTS_FOLDER               32812
#define IDM_SAVE_JPEG_FILE                   32813
#define IDM_SAVE_JPEG_FILE_SHOWING_SIZE      32814
#define IDM_JPEG_SAVE_SETTING                32815
#define IDM_SAVE_PNG                         32816
#define IDM_SEARCH_SUB_FOLDERS               32817
#define IDM_KEEP_PREVIOUS_FILES              32818
#define IDM_ENABLE_FILE_MASK                 32819
#define IDM_FILE_MASK_SETTING                32820
#define IDM_AUTO_LOAD_FILE_FOLDER            32821
#define IDM_KEEP_PREVIOUS_POSITION           32822
#define IDM_BACKGROUND_COLOR                 32825
#define IDM_HIDE_TASK_BUTTON                 32826
#define IDM_BORDER_COLOR                     32828
#define IDM_SET_PLUGIN_FOLDER                32836
#define IDM_OPEN_PLUGIN_DIALOG               32837
#define IDM_INTERNAL_LOADER_EXTENSION        32838
#define IDM_CREATE_INSTANCE                  32833
#define IDM_DELETE_INSTANCE                  32834
#define IDM_UNINSTALL                        32835
#define IDM_QUIT                             32805
#define IDM_MOVE_PARENT                      32914

/* Radio groups and their neighbours (33000-33132), by group. */
#define IDM_POSITION_NONE                    33000
#define IDM_POSITION_CENTER                  33001
#define IDM_POSITION_LEFT_TOP                33002
#define IDM_POSITION_RIGHT_TOP               33003
#define IDM_POSITION_LEFT_BOTTOM             33004
#define IDM_POSITION_RIGHT_BOTTOM            33006

#define IDM_ROTATE_NONE                      33010
#define IDM_ROTATE_RIGHT                     33011
#define IDM_ROTATE_UPSIDE_DOWN               33012
#define IDM_ROTATE_LEFT                      33013
#define IDM_TURN_RIGHT                       33014
#define IDM_TURN_LEFT                        33015
#define IDM_FIX_ROTATION                     33016

#define IDM_TRANSPARENCY_100                 33020
#define IDM_TRANSPARENCY_75                  33021
#define IDM_TRANSPARENCY_50                  33022
#define IDM_TRANSPARENCY_25                  33023

#define IDM_SORT_BY_NAME                     33030
#define IDM_SORT_BY_EXTENSION                33031
#define IDM_SORT_BY_TIME_STAMP               33032
#define IDM_SORT_BY_FILE_SIZE                33033
#define IDM_SORT_RANDOMIZE                   33034
#define IDM_SORT_REVERSE                     33035

#define IDM_BORDER_WIDTH_0                   33040
#define IDM_BORDER_WIDTH_1                   33041
#define IDM_BORDER_WIDTH_5                   33042
#define IDM_BORDER_WIDTH_10                  33043
#define IDM_BORDER_WIDTH_15                  33044
#define IDM_BORDER_WIDTH_20                  33045
#define IDM_BORDER_WIDTH_30                  33046

#define IDM_INTERVAL_1S                      33050
#define IDM_INTERVAL_2S                      33051
#define IDM_INTERVAL_5S                      33052
#define IDM_INTERVAL_10S                     33053
#define IDM_INTERVAL_30S                     33054
#define IDM_INTERVAL_1M                      33055
#define IDM_INTERVAL_5M                      33056
#define IDM_INTERVAL_15M                     33057
#define IDM_INTERVAL_30M                     33058
#define IDM_INTERVAL_1H                      33059

#define IDM_INTERVAL_2H                      33060
#define IDM_INTERVAL_3H                      33061
#define IDM_INTERVAL_6H                      33062
#define IDM_INTERVAL_12H                     33063
#define IDM_INTERVAL_24H                     33064

#define IDM_FONT_SIZE_7                      33080
#define IDM_FONT_SIZE_8                      33081
#define IDM_FONT_SIZE_9                      33082
#define IDM_FONT_SIZE_10                     33083
#define IDM_FONT_SIZE_11                     33084
#define IDM_FONT_SIZE_13                     33085
#define IDM_FONT_SIZE_15                     33086
#define IDM_FONT_SIZE_17                     33087
#define IDM_FONT_SIZE_19                     33088
#define IDM_FONT_SIZE_21                     33089

#define IDM_TRAY_ICON_GREEN                  33100
#define IDM_TRAY_ICON_RED                    33101
#define IDM_TRAY_ICON_BLUE                   33102
#define IDM_TRAY_ICON_YELLOW                 33103
#define IDM_TRAY_ICON_WHITE                  33104
#define IDM_TRAY_ICON_BLACK                  33105

#define IDM_WHEEL_DEFAULT                    33120
#define IDM_WHEEL_MIDDLE                     33121
#define IDM_WHEEL_LOW                        33122

#define IDM_CURSOR_SIZE_NORMAL               33130
#define IDM_CURSOR_SIZE_LARGE                33131
#define IDM_CURSOR_SIZE_EXTRA_LARGE          33132

/* Items generated at run time: move-to folder k is IDM_MOVE_TARGET_FIRST + k,
   history entry k is IDM_HISTORY_FIRST + k. */
#define IDM_MOVE_TARGET_FIRST                34000
#define IDM_HISTORY_FIRST                    35000
