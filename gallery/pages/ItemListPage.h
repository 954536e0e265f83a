// Resource ids of the item list page (block 4700).
#pragma once

#define IDD_ITEMLIST_PAGE     4700
#define IDS_ITEMLIST_PAGE     4700
#define IDC_ITEMLIST          4701
#define IDC_ITEMLIST_FRAME    4702
#define IDC_ITEMLIST_SELECTED 4703
#define IDC_ITEMLIST_FIRST    4704
#define IDC_ITEMLIST_LAST     4705
#define IDC_ITEMLIST_CLEAR    4706
