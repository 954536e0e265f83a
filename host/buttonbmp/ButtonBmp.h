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
// Picture drop-down of brush shapes (round, square, diamond, soft): one row per brush
#define IDB_BRUSH_BUTTON  880  // the button's face, 40 x 28 cells
#define IDB_BRUSH_MENU    881  // the menu items, 64 x 26 cells: normal, greyed, selected, checked
// Bitmap check buttons, 24 x 24 each: normal, checked, hover look of one button in a row
#define IDB_CHECK_LEFT    882  // text aligned left: 882, 883, 884
#define IDB_CHECK_CENTRE  885  // centred: 885, 886, 887
#define IDB_CHECK_RIGHT   888  // aligned right: 888, 889, 890
#define IDB_CHECK_GRID    891  // grid: 891, 892, 893
#define IDB_CHECK_LOOK_CHECKED 1  // added to a button's first id
#define IDB_CHECK_LOOK_HOVER   2
