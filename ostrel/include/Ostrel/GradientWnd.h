// CGradientWnd: the strip of gradient presets of the "Gradient Fill" dialog. Each preset is a
// thumbnail and a 68-byte GFILL_OPTION record; the presets live in "Gradient.qs4" in the host's
// data folder, loaded when the strip is created and saved when it is deleted. A preset the user
// selects is posted to the owner as WM_COMMAND GRADWND_SELECT_COMMAND with the record in lParam.
#pragma once
#include <Ostrel/IIWnd.h>
#include <qsComm.h>

#define GRADWND_FILE           "Gradient.qs4"
#define GRADWND_SELECT_COMMAND 1072
#define GRADWND_STYLE          (WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_GROUP | WS_TABSTOP)

// The preset list: its items' blocks are GFILL_OPTION records.
class AFX_EXT_CLASS CGradientList : public CIIWndList {
 public:
  explicit CGradientList(CIIWnd* pWnd = NULL);
  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override;
};

class AFX_EXT_CLASS CGradientWnd : public CIIWnd {
  DECLARE_DYNCREATE(CGradientWnd)
 public:
  CGradientWnd();
  explicit CGradientWnd(CWnd* pOwner);

  // Creates the strip with GRADWND_STYLE (dwStyle is not used) and loads the presets. Thumbnails
  // are square, |height - 18| pixels. A missing or unreadable file gives an empty strip; an
  // unreadable one is first copied beside it as "Gradient.qs4.unreadable".
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
  void OnItemSelected(void* pData) override;

  void SelectItem(int nItem);  // alone; -1 selects none
  void DeleteFirstSelItem();
  // Deletes the selected preset, selects the one before it (the new first one when the first went)
  // and posts its record to the owner.
  void DeleteSelAndReselect();

 protected:
  DECLARE_MESSAGE_MAP()
};
