// Resource ids of the gradient page (block 4100).
#pragma once

#define IDD_GRADIENT_PAGE       4100
#define IDS_GRADIENT_PAGE       4100
#define IDC_GRAD_VIEW           4101
#define IDC_GRAD_VIEW_FRAME     4102
#define IDC_GRAD_DIR_FRAME      4103
#define IDC_GRAD_DIR_VERTICAL   4104  // the four direction buttons are consecutive, in index order
#define IDC_GRAD_DIR_HORIZONTAL 4105
#define IDC_GRAD_DIR_DOWN       4106
#define IDC_GRAD_DIR_UP         4107
#define IDC_GRAD_SHIFT          4108
#define IDC_GRAD_SHIFT_TEXT     4109
#define IDC_GRAD_SANDWICH       4110
#define IDC_GRAD_COLOURS        4111
#define IDC_GRAD_SWAP           4112
#define IDC_GRAD_OPTION_FRAME   4113
