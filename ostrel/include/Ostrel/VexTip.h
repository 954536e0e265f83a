// The balloon tool tip over the system's tool-tip control, and its text mark-up.
#pragma once
#include <afxcmn.h>
#include <Ostrel/ExString.h>

class AFX_EXT_CLASS CVexTip : public CToolTipCtrl {
  DECLARE_DYNCREATE(CVexTip)
 public:
  CVexTip();
  ~CVexTip() override;

  // A tool for every child of the tip's owner (or of hParent) with a tip string; then the font.
  int SubTipControl();
  int SubTipControl(HWND hParent);
  // pWnd itself as a tool; text is a string or a string id of the tip's module.
  int AddWindowTool(CWnd* pWnd, const char* text);
  // A rectangle of pWnd (client coordinates) as tool nID.
  int AddRectTool(CWnd* pWnd, const char* text, const RECT* pRect, unsigned int nID);
  // Removes every tool; 1 when none is left.
  int Clear();
  void SetInstance(HINSTANCE hInst) { m_hInst = hInst; }
  void SetDefaultInstance(HINSTANCE hInst) { m_hDefInst = hInst; }
  static void SetTransparency(int nTransparent) { m_nTransparent = nTransparent; }
  static void SetTipColor(const unsigned long& crTip) { m_crTip = crTip; }

  // Paints the half-transparent balloon over the screen below rc.
  void Draw(CDC* pDC, CRect& rc);
  void Draw(CDC* pDC);
  static BOOL CALLBACK EnumWindowsProc(HWND hWnd, LPARAM lParam);

  // Loads the tip text of string nID and places the tip window hTip beside the mouse pointer.
  void BeforeShowTips(HWND hTip, UINT nID);
  // Makes the tip font from the library's strings.
  BOOL CreateFont();

  CFont m_font;
  CExString m_strText;
  HINSTANCE m_hInst;
  HINSTANCE m_hDefInst;
  HWND m_hToolWnd;

  static int nArrowDirect;
  static int m_nTransparent;
  static int m_nBorder;
  static COLORREF m_BorderColor;
  static COLORREF m_crTip;

 protected:
  int OnSubTipControl(HWND hChild);
  BOOL LoadTipString(CExString& str, UINT nID) const;
  afx_msg void ShowTips(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnPaint();
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// Applies the tip mark-up in place: "|" breaks the line, "||" is one "|", a last "|" stays.
// Returns 1, or 0 (text unchanged) when memory runs out.
AFX_EXT_API int Parse(CString& text);
