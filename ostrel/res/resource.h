// Resource ids of Ostrel.dll (shared by Ostrel.rc and the C++ sources).
#ifndef OSTREL_RES_RESOURCE_H
#define OSTREL_RES_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)  // labels nobody addresses
#endif

// ---- Dialogs ---------------------------------------------------------------

#define IDD_TEXTURE_LIBRARY 225  // "Texture Library"
#define IDD_GRADIENT_FILL   370  // "Gradient Fill"
#define IDD_COLOR_PICKER    435  // colour source pop-up

// Colour source pop-up (435): menu-like items above the colour grid
#define IDC_PICKER_TARVIK     1106  // "  Tarvik Color Picker..."
#define IDC_PICKER_WINDOWS    1107  // "  Windows Color Picker..."
#define IDC_PICKER_EYEDROPPER 1108  // "  Eyedropper..."

// Gradient fill (370)
#define IDC_GRAD_DIR_VERTICAL   1061  // direction icon buttons (radio group)
#define IDC_GRAD_DIR_HORIZONTAL 1062
#define IDC_GRAD_DIR_DIAG_DOWN  1063
#define IDC_GRAD_DIR_DIAG_UP    1064
#define IDC_GRAD_PREVIEW        1065  // placeholder of the preview
#define IDC_GRAD_COLOR_START    1066  // placeholder of the start-colour swatch
#define IDC_GRAD_COLOR_END      1067  // placeholder of the end-colour swatch
#define IDC_GRAD_SWAP           1068  // "<---->" swaps the two colours
#define IDC_GRAD_SHIFT          1071  // colour-shift trackbar
#define IDC_GRAD_PRESETS        1072  // placeholder of the preset strip
#define IDC_GRAD_SANDWICH       1073  // sandwich command (no control in the template)
#define IDC_GRAD_ADD_PRESET     1074  // preset icon buttons
#define IDC_GRAD_UPDATE_PRESET  1075
#define IDC_GRAD_DELETE_PRESET  1076
#define IDC_GRAD_HELP           1118

// Texture library (225)
#define IDC_TEXTURE_HELP 3168
#define IDC_TEXTURE_LIST 3169  // item-list window (class T32IIO_CLASS)

// ---- Bitmaps -----------------------------------------------------------------

#define IDB_ICON_BUTTONS    16     // 16 x 16 cells of the gradient dialog's icon buttons
#define IDB_CIRCLE_FACE     101    // angle dial face, 84 x 84
#define IDB_CIRCLE_MARKER   102    // angle dial marker, 8 x 8
#define IDB_SCROLL_TEXTURE  1023   // list scroll bar fill, 30 x 30
#define IDB_TEXT_CARET      1024   // text list caret, 2 x 16
// Lists: the text list's row textures, 32 x 16. The list takes a host's own 1025 and 1026 first.
#define IDB_TEXT_LINE          1025  // plain row
#define IDB_TEXT_LINE_SELECTED 1026  // selected row
#define IDB_PROGRESS_EMPTY  22020  // empty progress cell, 8 x 23
#define IDB_PROGRESS_FULL   22021  // filled progress cell, 8 x 23
#define IDB_PROGRESS_CANCEL 22022  // Cancel button states, 4 cells of 82 x 36
#define IDB_PROGRESS_BACK   22026  // percent box background tile, 8 x 44

// Cells of IDB_ICON_BUTTONS (x offset = index * 16)
#define ICON_CELL_DIR_VERTICAL   0
#define ICON_CELL_DIR_HORIZONTAL 1
#define ICON_CELL_DIR_DIAG_DOWN  2
#define ICON_CELL_DIR_DIAG_UP    3
#define ICON_CELL_SANDWICH       4
#define ICON_CELL_SWAP           5
#define ICON_CELL_ADD_PRESET     6
#define ICON_CELL_UPDATE_PRESET  7
#define ICON_CELL_DELETE_PRESET  8
#define ICON_CELL_COUNT          9

// ---- Cursors -----------------------------------------------------------------

#define IDC_CIRCLE_DRAG 1027  // angle dial: over the rim and while dragging

// ---- Strings -----------------------------------------------------------------

// Tip window font: face, weight, height, character set
#define IDS_TIP_FONT_FACE        1
#define IDS_TIP_FONT_WEIGHT      2
#define IDS_TIP_FONT_HEIGHT      3
#define IDS_TIP_FONT_CHARSET     4
// Owner-drawn button font: face, weight, height, character set
#define IDS_BUTTON_FONT_FACE     5
#define IDS_BUTTON_FONT_WEIGHT   6
#define IDS_BUTTON_FONT_HEIGHT   7
#define IDS_BUTTON_FONT_CHARSET  8
// Progress window font: face, height
#define IDS_PROGRESS_FONT_FACE   9
#define IDS_PROGRESS_FONT_HEIGHT 10
// Extended tip font description
#define IDS_TIPEX_FONT           11

#define IDS_SELECT_TEMPLATE          8121   // "Select a template first."
#define IDS_PLEASE_SELECT_TEMPLATE   8400   // "Please select a template first."
#define IDS_TEMPLATE_WILL_BE_DELETED 8401   // "The template will be deleted. ..."
#define IDS_CONFIRM_DELETE_TEMPLATE  8567   // "Are you sure you want to delete the template?"
#define IDS_CANNOT_DELETE_LAST       8573   // "Cannot delete the last template."
#define IDS_TEXTURE_SAMPLE_FILE      16205  // sample file below the executable's folder
#define IDS_FOOTSTEP_CREATE_ERROR    16206
#define IDS_TEXTURE_INIT_ERROR       16259
#define IDS_LIBRARY_NOT_FOUND        16267
#define IDS_BROWSE_FOR_FOLDER        17527  // first item of the browse button's menu
#define IDS_FOOTSTEP_MODIFY_ERROR    17528

#endif  // OSTREL_RES_RESOURCE_H
