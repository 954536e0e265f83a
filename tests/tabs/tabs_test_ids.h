// Label strings of the tab tests.
#pragma once

#define IDS_SHORT_LABELS 100  // three labels that fit at the starting height
#define IDS_LONG_LABELS  110  // tab 1 wider than its tab at the starting height
#define IDS_ENDLESS      120  // tab 0 too long for any height
