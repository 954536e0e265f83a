// Resource ids of the colour boxes page (block 3100).
#pragma once

#define IDD_COLOURBOXES_PAGE 3100
#define IDS_COLOURBOXES_PAGE 3100
// Places of the boxes: each static is replaced by a colour box of the same rectangle and id.
#define IDC_CB_SIMPLE        3101
#define IDC_CB_NOPICKER      3102
#define IDC_CB_LAYOUT0       3110  // 3110..3115: palettes in layouts 0 to 5
#define IDC_CB_DISABLED      3120
#define IDC_CB_DOCUMENT      3130
#define IDC_CB_ENABLE        3131
