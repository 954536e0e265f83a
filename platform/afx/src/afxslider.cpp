// The trackbar wrapper: each member is one trackbar message.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageA(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l))

CSliderCtrl::CSliderCtrl() {}
CSliderCtrl::~CSliderCtrl() { DestroyWindow(); }

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  return CWnd::Create(TRACKBAR_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetPos() const { return (int)SEND(TBM_GETPOS, 0, 0); }
void CSliderCtrl::SetPos(int nPos) { SEND(TBM_SETPOS, TRUE, nPos); }
int CSliderCtrl::GetRangeMin() const { return (int)SEND(TBM_GETRANGEMIN, 0, 0); }
int CSliderCtrl::GetRangeMax() const { return (int)SEND(TBM_GETRANGEMAX, 0, 0); }

void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  SEND(TBM_SETRANGEMIN, FALSE, nMin);
  SEND(TBM_SETRANGEMAX, bRedraw, nMax);
}

int CSliderCtrl::GetPageSize() const { return (int)SEND(TBM_GETPAGESIZE, 0, 0); }
int CSliderCtrl::SetPageSize(int nSize) { return (int)SEND(TBM_SETPAGESIZE, 0, nSize); }
int CSliderCtrl::GetLineSize() const { return (int)SEND(TBM_GETLINESIZE, 0, 0); }
int CSliderCtrl::SetLineSize(int nSize) { return (int)SEND(TBM_SETLINESIZE, 0, nSize); }
void CSliderCtrl::SetTicFreq(int nFreq) { SEND(TBM_SETTICFREQ, nFreq, 0); }
