// Resource ids of the progress bar page (block 2200).
#pragma once

#define IDD_PROGRESS_PAGE     2200
#define IDS_PROGRESS_PAGE     2200
#define IDC_PRG_FRAME         2201
#define IDC_PRG_PANEL_PLACE   2202
#define IDC_PRG_RUN           2203
#define IDC_PRG_INTERRUPTABLE 2204
#define IDC_PRG_STEP_MS       2205
#define IDC_PRG_BAR           2210
