// Ostrel.dll: everything the library exports. A host includes this one header; the headers it
// pulls in are all in this include tree, beside the framework's and the maker's headers.
#pragma once
#include <afxwin.h>

// Frame: start-up, the globals shared with the host, the extended string, the registry profile,
// control groups and the active static, the group frame, processor information, the image-buffer
// handle and the masked bitmap.
#include <Ostrel/Module.h>
#include <Ostrel/ExString.h>
#include <Ostrel/WinReg.h>
#include <Ostrel/CtrlGroup.h>
#include <Ostrel/ActiveStatic.h>
#define GROUPBOX_CLASS "TVGBOXCTRL"
#include <Ostrel/CpuInfo.h>
#include <Ostrel/IBuf.h>
#include <Ostrel/MaskedBitmap.h>

// Progress: the nested progress model and the progress window.
#include <Ostrel/Progress.h>

// Colour: colour boxes, the colour-source pop-up, the colour bar and the angle dial.
#include <Ostrel/CircleCtrl.h>
#include <Ostrel/ColorPicker.h>
#include <Ostrel/ClrBoxes.h>
#include <Ostrel/ColorBar.h>

// Gradients and textures: gradient records and the gradient engine, gradient boxes, the
// "Gradient Fill" dialog and its preset strip, the texture library dialog and the texture boxes.
#include <Ostrel/GradientRecords.h>
#include <Ostrel/GradientEngine.h>
#include <Ostrel/IIWnd.h>
#include <Ostrel/GradientWnd.h>
#include <Ostrel/GradDlg.h>
#include <Ostrel/GradBoxes.h>
#include <Ostrel/MTextureLibraryDlg.h>
#include <Ostrel/TextureBoxes.h>

// Images: the image object and the image information dialog.
#include <Ostrel/UImage.h>
#include <Ostrel/ImageInfoDlg.h>

// Buttons: the owner-drawn button, the browse and footstep buttons, the bitmap check button.
#include <Ostrel/OkButton.h>
#include <Ostrel/BrowseBtn.h>
#include <Ostrel/FtStepBtn.h>
#include <Ostrel/BitmapCheckButton.h>

// Lists, combos and edits: the lists' scroll bar, the bitmap and text lists, owner-drawn list boxes
// and combos, the text, numeric and pop-up edits.
#include <Ostrel/ListScrollBar.h>
#include <Ostrel/BitmapList.h>
#include <Ostrel/TextList.h>
#include <Ostrel/BitmapListBox.h>
#include <Ostrel/BmpCombo.h>
#include <Ostrel/FontCombo.h>
#include <Ostrel/IconList.h>
#include <Ostrel/TextEdit.h>
#include <Ostrel/NumEdit.h>
#include <Ostrel/PopupEdit.h>

// Tips: balloon drawing and the tip windows.
#include <Ostrel/Balloon.h>
#include <Ostrel/VexTip.h>
#include <Ostrel/TipUIEx.h>

// Tab control.
#include <Ostrel/VexTabCtrl.h>
