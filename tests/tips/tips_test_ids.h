// String ids of the tip tests (the host's strings).
#pragma once

#define IDC_TIP_SAVE     2101  // has a tip with mark-up
#define IDC_TIP_OPEN     2102  // a plain tip
#define IDC_TIP_CALLBACK 2103  // "$": text from the owner
#define IDC_TIP_NONE     2104  // no string: no tool
#define IDS_TIPEX_SHORT  2201
#define IDS_TIPEX_BARS   2202
