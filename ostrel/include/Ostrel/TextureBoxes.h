// CTextureBoxes: a small child window showing one texture of the texture library as a swatch. It
// loads the library once, at creation, from the sample file named by string 16205 below the
// executable's folder; a click opens the "Texture Library" dialog, and a texture chosen there with
// OK is shown and reported. The host drives the hover look by calling OnUpdateUI when idle.
#pragma once
#include <afxwin.h>
#include <Ostrel/MTextureLibraryDlg.h>

// Sent to the parent after the user chose a texture: wParam the control id, lParam the box's
// SIMPLE_TXTUR (valid during the call). A plain message number below WM_USER.
#define TXTBOX_TEXTURECHANGE 0x131

struct SIMPLE_TXTUR {
  int nTexture;         // item id in the texture list
  HPALETTE hPalette;    // the item's palette as the dialog reported it; 0 when set by the program
  CTextureItem* pItem;  // the loaded texture of that id, NULL if there is none
};

class AFX_EXT_CLASS CTextureBoxes : public CWnd {
  DECLARE_DYNCREATE(CTextureBoxes)

 public:
  CTextureBoxes();
  virtual ~CTextureBoxes();

  // A negative nTexture shows texture 0. 0 without a parent, when the window cannot be made, or
  // when the texture library cannot be loaded (the window exists then, and does nothing).
  int Create(UINT nID, const RECT& rect, CWnd* pParentWnd, int nTexture);
  int SetTextureOpt(int nTexture);  // no notification; 0 for a negative id or before loading
  SIMPLE_TXTUR GetTextureOpt();
  // Called after the user chose a texture; sends TXTBOX_TEXTURECHANGE to the parent.
  virtual void OnTextureChange(SIMPLE_TXTUR* pTexture);
  // Hover tracking: raised look while the cursor is over the box.
  void OnUpdateUI(CCmdUI* pCmdUI);

  SIMPLE_TXTUR m_txtur;
  CRect m_rcClient;
  UINT m_nID;
  BOOL m_bHover;
  BOOL m_bInited;          // the texture library is loaded
  CMtextureIIList m_list;  // the texture library; its item array is m_items
  CObArray m_items;        // CTextureItem*, owned, in load order

 protected:
  void* GetAt(int nItem);  // the loaded CTextureItem of a list item, or NULL
  int InitTexture();
  void Drawing(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
