// Resource ids of the texture page (block 4500).
#pragma once

#define IDD_TEXTURE_PAGE         4500
#define IDS_TEXTURE_PAGE         4500
#define IDC_TEXTURE_BOXES_FRAME  4501
#define IDC_TEXTURE_BOX_FIRST    4502  // three consecutive placeholders where the boxes go
#define IDC_TEXTURE_BOX_LAST     4504
#define IDC_TEXTURE_LABEL_FIRST  4505  // the name under each box, in the same order
#define IDC_TEXTURE_LABEL_LAST   4507
#define IDC_TEXTURE_SWATCH_FRAME 4508
#define IDC_TEXTURE_SWATCH       4509
#define IDC_TEXTURE_SWATCH_TEXT  4510
#define IDC_TEXTURE_NEXT         4511
#define IDC_TEXTURE_HINT         4512
