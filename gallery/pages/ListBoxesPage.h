// Resource ids of the list boxes, combos and edits page (block 7500).
#pragma once

#define IDD_LISTBOXES_PAGE  7500
#define IDS_LISTBOXES_PAGE  7500
// Controls made in code
#define IDC_LB_TABS         7501
#define IDC_LB_PRESETS      7502
#define IDC_LB_LINES        7503
#define IDC_LB_ICONS        7504
#define IDC_LB_FONTS        7505
// Template items
#define IDC_LB_FONT_PREVIEW 7510
#define IDC_LB_FRAME_EDITS  7511
#define IDC_LB_NUMBER       7512
#define IDC_LB_SPIN         7513
#define IDC_LB_POPUP        7514
#define IDC_LB_NOTES        7515
#define IDC_LB_TAB_NOTE     7516
// Tab labels, read by the tab control: "Presets", "Lines", "Shapes"
#define IDS_LB_TAB_LABELS   7550
