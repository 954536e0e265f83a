// Resource ids of the more-buttons page (block 6200).
#pragma once

#define IDD_MOREBUTTONS_PAGE 6200
#define IDS_MOREBUTTONS_PAGE 6200
// A folder field with its browse button
#define IDC_MB_FOLDER_FRAME  6201
#define IDC_MB_FOLDER        6202
#define IDC_MB_BROWSE        6203
// A six-step wizard strip: the footstep button and the step's title in an active static
#define IDC_MB_WIZARD_FRAME  6210
#define IDC_MB_FOOTSTEP      6211
#define IDC_MB_STEP_TITLE    6212
// A picture drop-down of brush shapes
#define IDC_MB_BRUSH_FRAME   6220
#define IDC_MB_BRUSH         6221
#define IDC_MB_BRUSH_NAME    6222
// Bitmap check buttons: three as one group (text alignment), one alone (grid)
#define IDC_MB_CHECK_FRAME   6230
#define IDC_MB_ALIGN_LEFT    6231
#define IDC_MB_ALIGN_CENTRE  6232
#define IDC_MB_ALIGN_RIGHT   6233
#define IDC_MB_GRID          6234
#define IDC_MB_CHECK_STATE   6235
// Identifiers of the brushes in the drop-down (menu commands, no base)
#define IDC_MB_BRUSH_ROUND   6250
#define IDC_MB_BRUSH_SQUARE  6251
#define IDC_MB_BRUSH_DIAMOND 6252
#define IDC_MB_BRUSH_SOFT    6253
