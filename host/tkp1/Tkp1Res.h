// Resource ids of the colour-picker plug-in.
#pragma once
#define IDD_TKP1_PICKER 100
#define IDC_TKP1_AREA   1001  // hue across, saturation down (placeholder, painted by the dialog)
#define IDC_TKP1_STRIP  1002  // value, bright at the top (placeholder)
#define IDC_TKP1_OLD    1003  // the starting colour (placeholder)
#define IDC_TKP1_NEW    1004  // the colour being chosen (placeholder)
#define IDC_TKP1_RED    1010  // numeric fields, in this order
#define IDC_TKP1_GREEN  1011
#define IDC_TKP1_BLUE   1012
#define IDC_TKP1_HUE    1013
#define IDC_TKP1_SAT    1014
#define IDC_TKP1_VAL    1015
