// CClrBoxes: a child window that shows and edits one current colour. A simple box and a
// no-picker box show one colour; a palette shows the current colour in a "use" box beside an even
// number of small cells. New colours come from the colour-source pop-up, the plug-in picker, the
// system colour dialog or the host's eyedropper.
#pragma once
#include <afxwin.h>
#include <ROVuvu.h>

class CVexTip;
class CClrBoxes;

// Control types (m_nType).
#define CLRBOX_SIMPLE    0  // one box; a click opens the colour-source pop-up
#define CLRBOX_PALETTE   2  // use box plus cells
#define CLRBOX_NOPICKER  3  // one box; a click runs the eyedropper
#define CLRBOX_UNCREATED (-100)

// Notifications sent to the parent: wParam the control id.
#define CLRBOX_COLORCHANGE  (WM_USER + 100)  // lParam the new colour
#define CLRBOX_GETFOCUS     (WM_USER + 101)  // lParam 0, at every left-button press
// Sent to the main window around a run of the plug-in picker (wParam and lParam 0).
#define CLRBOX_PLUGIN_START (WM_USER + 200)
#define CLRBOX_PLUGIN_END   (WM_USER + 201)

// The plug-in picker: "Plugin\TKP1.TKP" below the executable's folder, export "ShowColorPickerDlg".
// It reads the starting colour from bytes 36-38 (red, green, blue) of the record and, when it returns
// 1, has written the chosen one to bytes 56-58; -1 reports an error of its own.
#define CLRBOX_PLUGIN_FILE        "Plugin\\TKP1.TKP"
#define CLRBOX_PLUGIN_EXPORT      "ShowColorPickerDlg"
#define CLRBOX_PLUGIN_RECORD_SIZE 64
#define CLRBOX_PLUGIN_IN_RED      36
#define CLRBOX_PLUGIN_OUT_RED     56
typedef int(__cdecl* CLRBOX_PLUGINPROC)(unsigned char* pRecord, HWND hOwner);

// The host's eyedropper: writes a picked colour through pColor and returns nonzero, or returns 0.
typedef int(__cdecl* CLRBOX_EYEDROPPER)(unsigned long* pColor, CClrBoxes* pBox);

class AFX_EXT_CLASS CClrBoxes : public CWnd, public IWorkspaceClient {
  DECLARE_DYNCREATE(CClrBoxes)

 public:
  explicit CClrBoxes(unsigned long color = 0x00FF0000);
  virtual ~CClrBoxes();

  // nType 0, 2 or 3 (1 is refused); pPalette/nCount/nAlign are used by the palette only.
  int Create(unsigned int nID, const RECT& rect, CWnd* pParentWnd, unsigned int nType, unsigned long* pPalette,
             int nCount, unsigned int nAlign);
  int SetColor(unsigned long color);  // no notification
  unsigned long GetColor();
  int SetPalette(unsigned long* pColors);  // palette only: m_nCount colours
  int GetPalette(unsigned long* pColors);
  void SetDefaultColor(unsigned long color);  // first colour of the pop-up's grid
  int SetUseWH(int w, int h);                 // palette only; -1 = automatic
  void AddEyeDropper(void* pfn);              // a CLRBOX_EYEDROPPER, or NULL
  void SetUpdateTips(CVexTip* pTip);
  int EnableWindow(int bEnable);  // keeps the colours while disabled and restores them exactly

  // Called after every change of colour made by the user; sends CLRBOX_COLORCHANGE to the parent.
  virtual void OnColorChange(unsigned long color);

 protected:
  void OnActiveDocumentChange() override;

  // Painting and layout.
  void DrawBound(CDC* pDC, CRect rect, int style);
  void PaintSimple(CDC* pDC);
  void PaintNoGrad(CDC* pDC);
  void PrepAlign();
  void ClipUnusedRgn();
  void Align(CDC* pDC);
  void HilightCell(CRect rect, unsigned long color);
  void HilightFocusCell();
  void ActivateTips(int bActivate);

  // Hit tests and capture.
  int HitInUse(CPoint point, int kind);
  int HitInCells(CPoint point);
  void SetCaptureSafe();
  void ResetCaptureSafe();

  // Set-up and enabling.
  void RandColors();
  int InitSimple();
  int InitNoGrad(unsigned long* pPalette, int nCount, unsigned int nAlign);
  int EnableSimple(int bEnable);
  int EnableNoGrad(int bEnable);
  void OnGetFocus();

  // Colour sources: nonzero when m_color has received a new colour.
  int ColorPicker();
  int UColorPicker();
  int WColorPicker();

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  DECLARE_MESSAGE_MAP()

  UINT m_nID;
  COLORREF m_color;
  COLORREF m_colorSaved;      // kept while disabled
  COLORREF* m_pColors;        // palette cells
  COLORREF* m_pBackupColors;  // second copy: while disabled, and by SetPalette
  RECT* m_pCellRects;         // client coordinates
  RECT m_rcUse;
  int m_nType;
  int m_nHotCell;  // -1 none, 0..m_nCount-1 a cell, m_nCount the use box
  RECT m_rcClient;
  BOOL m_bCaptured;  // the capture was set by this control
  int m_nCount;      // even
  UINT m_nAlign;     // 0..5
  BOOL m_bEnabled;
  CLRBOX_EYEDROPPER m_pfnEyeDropper;       // in force: NULL while there is no current document
  CLRBOX_EYEDROPPER m_pfnEyeDropperSaved;  // last given to AddEyeDropper
  CVexTip* m_pTips;
  int m_nUseW, m_nUseH;
  HRGN m_hRgn;  // owned by the window once given to it
  COLORREF m_colorDefault;

 private:
  void FillBox(CDC* pDC, const RECT& rect, COLORREF color);
  void LayRows(int x0, int cw, int top, int rh, int bottom);  // two rows of cells
  void LayColumns(int y0, int ch, int cwid, int right);       // two columns of cells
  void FreePalette();
};
