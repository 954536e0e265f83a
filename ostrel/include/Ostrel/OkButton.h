// COkButton: a dialog push button, check box or radio button drawn from a strip of four state
// cells (normal, disabled, hot, pressed), with its own check and push state.
#pragma once
#include <afxwin.h>

class CProgress;

class AFX_EXT_CLASS COkButton : public CButton {
  DECLARE_DYNAMIC(COkButton)

 public:
  enum BITMAPDEFAULT {
    BITMAP_CUSTOM = 0,  // the caller's strip, or the built-in one of the template's kind
    BITMAP_IMAGE1 = 1,  // captionless image buttons: row 1, 2 or 3 of strip 871
    BITMAP_IMAGE2 = 2,
    BITMAP_IMAGE3 = 3,
    BITMAP_PUSH_ALT1 = 4,  // push buttons with caption, strips 875 and 876
    BITMAP_PUSH_ALT2 = 5
  };
  enum BITMAPPART { PART_NORMAL = 0, PART_DISABLED = 1, PART_HOT = 2, PART_PRESSED = 3 };

  COkButton();
  virtual ~COkButton();

  BOOL Create(CWnd* pParent, UINT nID, BITMAPDEFAULT bmpDefault, UINT nBitmapID, HINSTANCE hInst);
  BOOL LoadAllBitmaps(UINT nBitmapID, HINSTANCE hInst);
  void SizeToContent();

  // Picture drop-down mode: a click opens a menu of pictures, one strip row per identifier, and the
  // face shows the current choice. Identifiers above 32767 carry a base (base x 32767 + command).
  BOOL CreateSubDB(UINT* pIDs, int nCount, UINT nBitmapID, HINSTANCE hInst);
  BOOL SetCurMenuID(UINT nID);
  int GetCurMenuID();

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  afx_msg void OnLButtonDblClK(UINT nFlags, CPoint point);

 protected:
  CMenu m_menuPopup;
  CBitmap m_bmpMenu;
  CBitmap m_bmpFace;
  CBitmap m_bmpButton;
  CFont m_font;
  int m_nMenuItems;
  UINT* m_pMenuIDs;
  int m_nCurMenuID;
  int m_nImageRows;
  UINT m_nMenuIDBase;
  BOOL m_bLButtonDown;
  int m_nKind;       // 0 radio button, 1 check box, 2 push button
  int m_nTextAlign;  // 0 caption right of the image, 1 left of it, 2 centred over it
  UINT m_nButtonType;
  UINT m_nState;
  BITMAPDEFAULT m_nBitmapDefault;
  BOOL m_bHot;
  BOOL m_bEnabled;
  BOOL m_bTracking;
  UINT m_nTimerID;

  void GetPartBitmapRect(BITMAPPART nPart, RECT* pRect, UINT nBitmapDefault);
  BOOL GetImageRect(RECT* pRect) const;
  BOOL GetTextRect(RECT* pRect);
  BOOL GetTextSize(CSize* pSize);
  BOOL CreateFont();
  BOOL CreateRadioCheckboxFont();
  int GetDispFontSize();
  void DrawMenu(LPDRAWITEMSTRUCT lpDrawItemStruct);
  // Focus to the button when the thread has an active window, else the main window to the front.
  void ActivateOnPress();
  // Replaces bmp with bitmap nBitmapID of hInst, or of the module the resource search finds.
  static BOOL LoadStrip(CBitmap& bmp, UINT nBitmapID, HINSTANCE hInst);
  // Left and right edge of state column nColumn in a strip of four columns, nWidth wide.
  static void GetColumnEdges(int nWidth, int nColumn, RECT* pRect);

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg void OnCommandUI(CCmdUI* pCmdUI);
  afx_msg void OnDestroy();

 private:
  BOOL IsThreeState() const;
  BOOL IsAutoRadio() const;
  void InvalidateImage();
  void Notify(UINT nCode);
  // Cell of drop-down identifier nID in a strip of one row per item; FALSE when nID is not listed.
  BOOL GetMenuPictureRect(HBITMAP hStrip, UINT nID, int nColumn, RECT* pRect) const;
  // Shows the drop-down menu beside the button and takes the choice.
  void OpenDropDown();
  void SetCheckBits(UINT nCheck);
  void UncheckGroup();
  // Font of the push-button caption at height nHeight (string settings of the library).
  BOOL MakePushFont(CFont& font, int nHeight);
  void DrawCaption(CDC* pDC, const RECT& rcImage);
  void DrawTwoPass(CDC* pDC, const char* pszText, RECT rc, UINT nFormat);
  // The strip cell size: W/4 by the row height of the button's kind.
  CSize CellSize(BOOL bPushRows) const;
  friend class CProgress;  // frees the Cancel button's pictures when the bar goes
  DECLARE_MESSAGE_MAP()
};
