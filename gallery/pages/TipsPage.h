// Resource ids of the balloon tips page (block 8100). Control ids double as the ids of their tip
// strings; frames and labels have no string, so no tip.
#pragma once

#define IDD_TIPS_PAGE           8100
#define IDS_TIPS_PAGE           8100
#define IDC_TIPS_SAVE           8101
#define IDC_TIPS_DISABLED       8102
#define IDC_TIPS_DROPDOWN       8103
#define IDC_TIPS_DROPLIST       8104
#define IDC_TIPS_EDIT           8105
#define IDC_TIPS_OPACITY        8106
#define IDC_TIPS_COLOR_SYSTEM   8107
#define IDC_TIPS_COLOR_SKY      8108
#define IDC_TIPS_COLOR_ROSE     8109
#define IDC_TIPS_THICK          8110
#define IDC_TIPS_CORNER_TL      8111
#define IDC_TIPS_CORNER_TR      8112
#define IDC_TIPS_CORNER_BL      8113
#define IDC_TIPS_CORNER_BR      8114
// No tips for these.
#define IDC_TIPS_CONTROLS_FRAME 8130
#define IDC_TIPS_LOOK_FRAME     8131
#define IDC_TIPS_ONDEMAND_FRAME 8132
#define IDC_TIPS_OPACITY_TEXT   8133
#define IDC_TIPS_PREVIEW        8134
// On-demand tips, one per screen corner in the order of the corner buttons.
#define IDS_TIPS_ONDEMAND_TL    8150
#define IDS_TIPS_ONDEMAND_TR    8151
#define IDS_TIPS_ONDEMAND_BL    8152
#define IDS_TIPS_ONDEMAND_BR    8153
