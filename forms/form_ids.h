#pragma once
/* Control ids of the forms' dialog templates (resources/forms.rc). Plain
   #defines without C++ so that the resource compiler reads this header too.
   The templates themselves are named resources: "IDD_INPUTFORM",
   "IDD_FORMSIZEFORM", "IDD_JPEGSETTINGFORM" and "IDD_PROGRESSFORM". */

#define IDC_INPUT_TEXT      1001
#define IDC_INPUT_PROMPT    1002
#define IDC_SIZE_WIDTH      1003
#define IDC_SIZE_HEIGHT     1004
#define IDC_SIZE_WIDTH_LABEL  1005
#define IDC_SIZE_HEIGHT_LABEL 1006
#define IDC_PROGRESS_STATUS 1007
#define IDC_JPEG_PRESET_1   1008
#define IDC_JPEG_PRESET_2   1009
#define IDC_JPEG_PRESET_3   1010
#define IDC_JPEG_QUALITY    1011
#define IDC_JPEG_TRACKBAR   1014
#define IDC_JPEG_LABEL      1015
