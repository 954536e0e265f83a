// Resource ids of the example host.
#pragma once

#define IDD_HOST           100
#define IDC_DIAL           1001
#define IDC_DIAL_FRAME     1002
#define IDC_ANGLE          1003
#define IDC_COLOUR_PLACE   1004
#define IDC_COLOUR_BOX     1005
#define IDC_COLOUR_TEXT    1006
#define IDC_RUN            1007
#define IDC_PANEL_PLACE    1008
#define IDC_PROGRESS_BAR   1009
#define IDC_STATUS         1010
#define IDS_CANCEL_CAPTION 11070  // the progress bar's Cancel button reads its caption from the host
