// Resource ids of the gradient boxes page (block 4200).
#pragma once

#define IDD_GRADBOXES_PAGE 4200
#define IDS_GRADBOXES_PAGE 4200
#define IDC_GB_FRAME       4201
#define IDC_GB_BOX0        4202  // the four boxes are consecutive
#define IDC_GB_DOCUMENT    4206
#define IDC_GB_HINT        4207
#define IDC_GB_LABEL0      4210  // their labels, in the same order
