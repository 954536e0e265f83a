// CImageInfoDlg: the modal image information dialog on the host's template 820. It shows the
// colour type, the size in a chosen unit, the resolution, the memory size and, for a file, its
// name, format and size, from the file-information record of the maker's file library. Its texts
// and pictures come from the host's "Fennor.dll"; without it the template shows as it is.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CImageInfoDlg : public CDialog {
 public:
  enum { IDD = 820 };

  // hFileData: the record (global memory), not owned.
  CImageInfoDlg(void* hFileData, CWnd* pParent = NULL);
  virtual ~CImageInfoDlg();

  // A new project document without a file is not offered in pixels. Call before DoModal.
  void IsPrjNewDoc(int bNewDoc);
  // n with its thousands separated by ",": 1002003 gives "1,002,003".
  void FormatThousand(int n, CString& out);

  int m_nXRes;  // dots per inch, rounded
  int m_nYRes;
  int m_nWidth;  // pixels
  int m_nHeight;
  int m_nUnit;  // 0 inches, 1 centimetres, 2 pixels, -1 none
  BOOL m_bPrjNewDoc;
  HGLOBAL m_hFileData;

 protected:
  virtual BOOL OnInitDialog();
  afx_msg void OnChangeUnitType();
  afx_msg void OnHelp();
  afx_msg void OnAdvanced();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()
};
