// Resource ids of Fennor.dll: the texts and pictures of the image information dialog.
#pragma once

// Unit names of the size combo, the resolution label, and the size formats (one %s each).
#define IDS_FENNOR_INCHES      10005
#define IDS_FENNOR_CENTIMETRES 10006
#define IDS_FENNOR_PIXELS      10007
#define IDS_FENNOR_DPI         10009
#define IDS_FENNOR_KILOBYTES   10038
#define IDS_FENNOR_BYTES       10039

// Colour-type pictures, 32 x 32.
#define IDB_FENNOR_ALPHA       968
#define IDB_FENNOR_TRUE_COLOUR 969
#define IDB_FENNOR_PALETTE     970
#define IDB_FENNOR_SIXTEEN     971
#define IDB_FENNOR_GREY        972
#define IDB_FENNOR_HIGH_COLOUR 973
#define IDB_FENNOR_CMYK        974
