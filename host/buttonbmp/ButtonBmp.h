// Bitmap ids of ButtonBmp.dll. Every strip has four state columns: normal, disabled, hot, pressed.
#pragma once

#define IDB_BROWSE        493  // browse button, one row of 28 x 22 cells
#define IDB_FOOTSTEP      496  // footstep button, six step rows, 50 x 20 pitch
#define IDB_FOOTSTEP_MENU 497  // footstep menu pictures, six step rows, 40 x 20 pitch
#define IDB_FOOTSTEP_DROP 498  // footstep button with its drop-down half lit
#define IDB_IMAGE_BUTTONS 871  // three captionless image rows (back, forward, confirm), 28 x 28
#define IDB_RADIO         872  // radio button: checked row over unchecked row, 16 x 16
#define IDB_CHECK         873  // check box: checked row over unchecked row, 16 x 16
#define IDB_PUSH          874  // push button, one row of 96 x 28
#define IDB_PUSH_BLUE     875  // push button, blue look
#define IDB_PUSH_GREEN    876  // push button, green look
#define IDB_FACE          877  // face behind every button, 240 x 48
#define IDB_CHECK3        878  // three-state check box: checked, unchecked, indeterminate rows
