// CGradDLg: the modal "Gradient Fill" dialog (template 370). It edits one GFILL_OPTION in place:
// the two colours (through the colour-source pop-up), the direction, the colour shift, swapping
// and the sandwich look, with a live preview; a strip of presets below applies a stored gradient
// when one is selected and stores, overwrites or deletes presets. Cancel puts back both the record
// and the preset file as they were when the dialog opened.
//
// The direction and preset buttons are of the host's window class "TV32IconBtn": the host must
// have registered it before the dialog runs.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <qsComm.h>

class CGradientWnd;
class CColorMenuWnd;

#define GRADDLG_TEMPLATE   370
// First command id of the colour pop-up menu that OnPickColor(CRect) shows; 72 ids follow.
#define GRADDLG_MENU_FIRST 37000

class AFX_EXT_CLASS CGradDLg : public CDialog {
 public:
  explicit CGradDLg(CWnd* pParent = NULL);
  virtual ~CGradDLg();

  // The host's eyedropper (called with a colour's address and this dialog), or NULL.
  void AddEyeDropper(void* pfn);
  // A colour swatch at *prc: a raised frame and the colour inside, through a window DC.
  void PaintColorOnControl(RECT* prc, unsigned long clr);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnGradSwap();
  afx_msg void OnGradSandwitch();
  afx_msg void OnDestroy();
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnAddPreset();
  afx_msg void OnUpdatePreset();
  afx_msg void OnDeletePreset();
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg void OnHelp();
  DECLARE_MESSAGE_MAP()

  // Colour sources: nonzero when clr has received a new colour.
  int OnPickColor(unsigned long& clr);
  int UColorPicker(unsigned long& clr);
  int WColorPicker(unsigned long& clr);
  // The pop-up menu of 72 colours at the bottom-right of rc (client coordinates); the dialog itself
  // never shows it, a derived dialog may.
  void OnPickColor(CRect rc);

  CGradientWnd* m_pPresetWnd;
  CRect m_rcColor1;
  CRect m_rcColor2;
  int m_nPickTarget;  // control id of the swatch being picked
  COLORREF m_clrStart;
  COLORREF m_clrEnd;

 public:
  GFILL_OPTION* m_pGFillOption;  // the record edited; set before DoModal, not owned

 protected:
  int m_nColorShift;
  void* m_hPreviewBuf;
  BOOL m_bCancelled;
  char m_szBackupFile[MAX_PATH];
  char m_szPresetFile[MAX_PATH];
  void* m_pfnEyeDropper;
  CSliderCtrl m_sliderShift;
  GFILL_OPTION m_gfillSaved;
  CRect m_rcPreview;
  int m_nDirButton;  // 1 to 4
  CColorMenuWnd* m_pColorMenuWnd;

 private:
  BOOL m_bNoPresetFile;  // there was no preset file at the start: Cancel removes the one saved
  void SelectDirectionButton();
  void PresetRecord(BOOL bUpdate);
  void InvalidatePreview();
};
