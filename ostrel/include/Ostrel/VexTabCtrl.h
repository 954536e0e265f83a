// CVexTabCtrl: a two- or three-tab control painted from pictures. The tab strip is one bitmap per
// selected tab, the labels come from string resources in a font that shrinks until the widest
// fits, and the page below is tiled with a 74 x 74 background. The left and right arrow keys do
// not move the selection.
//
// The host fills the public fields, calls LoadTabBmp, then creates the window; it keeps
// m_nCurSel in step with the selection (TCN_SELCHANGE) and repaints.
#pragma once
#include <afxcmn.h>

class AFX_EXT_CLASS CVexTabCtrl : public CTabCtrl {
  DECLARE_DYNAMIC(CVexTabCtrl)

 public:
  CVexTabCtrl();
  virtual ~CVexTabCtrl();

  int m_nLastTab;         // tab count - 1: below 2 the two-tab strips, else the three-tab strips
  int m_nTextId;          // label string of tab 0 (tab i: m_nTextId + i); negative: no labels
  HINSTANCE m_hBmpInst;   // module of the strips and the background
  HINSTANCE m_hTextInst;  // module of the labels
  HINSTANCE m_hFontInst;  // module of the font strings 30025 to 30028 and 30151
  int m_nReserved;
  WORD m_nBmp2Id;  // two-tab strips: m_nBmp2Id (tab 0 selected), m_nBmp2Id + 1
  WORD m_nBmp3Id;  // three-tab strips: m_nBmp3Id to m_nBmp3Id + 2
  WORD m_nBackId;  // page background tile
  int m_nCurSel;   // the selected tab as painted
  HBITMAP m_hbmTab2[2];
  HBITMAP m_hbmTab3[3];
  HBITMAP m_hbmBack;

  // Loads the strips and the tile from m_hBmpInst (replacing any loaded before); m_nCurSel = 0.
  void LoadTabBmp();
  // Paints the strip for selection nSel, then the labels.
  void DrawTabItem(int nSel);
  // Paints the labels (when m_nTextId is not negative).
  void SetTabText();
  // The label font height, from the starting height down, at which the widest label fits tab 0
  // with a tenth of its width to spare on each side; it stops at 1.
  int GetDispFontSize();

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  HFONT CreateLabelFont(int nHeight);
  CString LoadLabel(int nTab);
  void DeleteBitmaps();
};
