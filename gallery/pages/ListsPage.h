// Resource ids of the lists page (block 7100).
#pragma once

#define IDD_LISTS_PAGE        7100
#define IDS_LISTS_PAGE        7100
#define IDC_LISTS_BRUSH_FRAME 7101
#define IDC_LISTS_BRUSHES     7102  // placeholder of the bitmap list
#define IDC_LISTS_BRUSH_STATE 7103
#define IDC_LISTS_LAYER_FRAME 7104
#define IDC_LISTS_LAYERS      7105  // the list box the text list takes over
#define IDC_LISTS_READ        7106
#define IDB_LISTS_BRUSHES     7150  // eight brush tips, 240 x 30
