// Resource ids of TabSkin.dll. The label font strings have the ids the tab control reads; the
// bitmap ids are the ones a host hands to the controls.
#pragma once

// Tab strips, 207 x 27: tab 0 at (2, 2), tabs 25 high; one picture per selected tab.
#define IDB_TAB2_FIRST 3101  // two tabs of 102: 3101 tab 0 selected, 3102 tab 1 selected
#define IDB_TAB3_FIRST 3111  // three tabs of 68: 3111 to 3113
#define IDB_PAGE_TILE  3120  // page background, 74 x 74, tiles seamlessly

// Bitmap list box: four line samples of 112 x 24 per strip.
#define IDB_LINES_NORMAL   3201
#define IDB_LINES_SELECTED 3202
#define IDB_LINES_HOT      3203
#define LINES_CELL_COUNT   4

// Icon list: six shape tools of 40 x 40 per strip.
#define IDB_ICONS_NORMAL   3301
#define IDB_ICONS_FOCUS    3302
#define IDB_ICONS_SELECTED 3303
#define ICONS_COUNT        6

// Tab label font: face, weight, starting height, character set, label offset below the tab top.
#define IDS_TABFONT_FACE    30025
#define IDS_TABFONT_WEIGHT  30026
#define IDS_TABFONT_HEIGHT  30027
#define IDS_TABFONT_CHARSET 30028
#define IDS_TABFONT_OFFSET  30151
