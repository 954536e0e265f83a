// Resource ids of the angle dial page (block 1100).
#pragma once

#define IDD_DIAL_PAGE      1100
#define IDS_DIAL_PAGE      1100
#define IDC_DIAL           1101
#define IDC_DIAL_FRAME     1102
#define IDC_ANGLE_TEXT     1103
#define IDC_MESSAGES_FRAME 1104
#define IDC_GET_ANGLE      1105
#define IDC_SET_ANGLE      1106
#define IDC_ANGLE_EDIT     1107
#define IDC_SETUP          1108
#define IDC_STEP_EDIT      1109
#define IDC_NO_SWEEP       1110
#define IDC_STYLE_FRAME    1111
#define IDC_STYLE_WARM     1112
#define IDC_STYLE_GREY     1113
