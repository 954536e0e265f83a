// Resource ids of the colour bar page (block 3600).
#pragma once

#define IDD_COLOURBAR_PAGE  3600
#define IDS_COLOURBAR_PAGE  3600
#define IDC_CB_BAR          3601  // placeholder of the colour bar
#define IDC_CB_SWATCH       3602  // placeholder: the bar's colour
#define IDC_CB_FLAT         3603  // placeholder: createTransparentBar
#define IDC_CB_SOFT         3604  // placeholder: createSoftEdgeBar
#define IDC_CB_COLOUR_TEXT  3605
#define IDC_CB_SET_RED      3606
#define IDC_CB_SET_PURPLE   3607
#define IDC_CB_SET_BLUE     3608
#define IDC_CB_POPUP        3609
#define IDC_CB_EYEDROPPER   3610
#define IDC_CB_PLUGIN       3611
#define IDC_CB_BAR_FRAME    3612
#define IDC_CB_SOURCE_FRAME 3613
