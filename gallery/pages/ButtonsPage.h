// Resource ids of the owner-drawn buttons page (block 6100).
#pragma once

#define IDD_BUTTONS_PAGE       6100
#define IDS_BUTTONS_PAGE       6100
// Push buttons: plain, the two alternative looks, a disabled one
#define IDC_BTN_PUSH           6101
#define IDC_BTN_PUSH_BLUE      6102
#define IDC_BTN_PUSH_GREEN     6103
#define IDC_BTN_PUSH_DISABLED  6104
// Captionless image buttons (rows 1 to 3 of the image strip)
#define IDC_BTN_IMAGE1         6105
#define IDC_BTN_IMAGE2         6106
#define IDC_BTN_IMAGE3         6107
// Check boxes: two-state, caption on the left, three-state, disabled
#define IDC_BTN_CHECK          6110
#define IDC_BTN_CHECK_LEFT     6111
#define IDC_BTN_CHECK3         6112
#define IDC_BTN_CHECK_DISABLED 6113
// Radio group of three auto radio buttons
#define IDC_BTN_RADIO1         6120
#define IDC_BTN_RADIO2         6121
#define IDC_BTN_RADIO3         6122
#define IDC_BTN_ENABLE         6130
#define IDC_BTN_FRAME_PUSH     6131
#define IDC_BTN_FRAME_CHECK    6132
#define IDC_BTN_FRAME_RADIO    6133

#define IDC_BTN_FIRST IDC_BTN_PUSH
#define IDC_BTN_LAST  IDC_BTN_RADIO3
