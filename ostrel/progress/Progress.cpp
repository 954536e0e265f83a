// CProgress model: nested segments turned into one overall percentage, and the callback behind it.
#include <Ostrel/Progress.h>
#include <climits>
#include <new>
#include <t32Comm.h>

int CProgress::m_nSegTotal = 1;
double CProgress::m_dSegLen = 100.0;
double* CProgress::m_pLenArray = &CProgress::m_dSegLen;
int CProgress::m_nSegDone = 0;
int CProgress::m_nBasePercent = 0;
int CProgress::m_nPercent = 0;
int CProgress::m_nBarStatus = 0;
int CProgress::m_bInterruptable = 1;
int CProgress::m_bCancelPressed = 0;
int CProgress::m_bShowCancel = 0;
int CProgress::m_nLockCount = 0;
CProgress* CProgress::m_pBar = NULL;
std::stack<int, std::deque<int>> CProgress::m_stkSegTotal;
std::stack<int, std::deque<int>> CProgress::m_stkSegDone;
std::stack<double*, std::deque<double*>> CProgress::m_stkLenArray;
std::stack<int, std::deque<int>> CProgress::m_stkBasePercent;

namespace {

int s_nLastPercent = -1;  // the percentage ProgressDoing last asked to be drawn

// Cancellation as reported to the error service.
const int kCancelReport[6] = {0, 5200, 0, 900, 286, 100};

// Truncation toward zero that saturates instead of overflowing.
int Trunc(double v) {
  if (v >= (double)INT_MAX) return INT_MAX;
  if (v <= (double)INT_MIN) return INT_MIN;
  return (int)v;
}

int Clamp100(int v) { return v > 100 ? 100 : (v < 0 ? 0 : v); }

// Sum of the first k lengths of the current level, from index 0 upward.
double SumLens(int k) {
  double s = 0.0;
  for (int i = 0; i < k && i < CProgress::m_nSegTotal; ++i) s += CProgress::m_pLenArray[i];
  return s;
}

// The overall percentage when k segments of the current level are finished (not clamped).
int FinishedPercent(int k) {
  long long v = (long long)Trunc(SumLens(k)) + CProgress::m_nBasePercent;
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : (int)v);
}

void PollEscape() { ::GetAsyncKeyState(VK_ESCAPE); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The callback and its three steps

int CProgress::SimplePCB(int nMsg, unsigned int wParam, long, void*) {
  if (m_pBar == NULL) return 0;
  switch (nMsg) {
    case DSAIK32_BEGIN:
      if (m_nSegTotal == 1) OpenPanel(TRUE);
      return ProgressBegin();
    case DSAIK32_END:
      if (m_nSegTotal == 1) ReleasePanel();
      return ProgressEnd();
    case DSAIK32_DOING: {
      int nResult = ProgressDoing(wParam);
      if (!m_bInterruptable) return nResult;
      BOOL bEscape = (::GetAsyncKeyState(VK_ESCAPE) & 1) != 0;
      if (!bEscape && nResult != 0 && !m_bCancelPressed) return nResult;
      m_pBar->SendMessage(PROGRESS_MSG_RESETBAR, m_pBar->m_nID, 0);
      CWnd* pPanel = Panel();
      if (pPanel != NULL) {
        m_nLockCount = 0;
        if (pPanel->IsWindowVisible()) ClosePanel();
      }
      c32SetDLLErrInfo(kCancelReport[0], kCancelReport[1], kCancelReport[2], kCancelReport[3], kCancelReport[4],
                       kCancelReport[5]);
      return 0;
    }
    default:
      return nMsg;
  }
}

int CProgress::ProgressBegin() {
  if (m_nBarStatus == 0) {
    PollEscape();  // a press made before the run does not count
    m_nBarStatus = 1;
  }
  m_bShowCancel = 1;
  InvalidateBarArea(0, 0);
  return 1;
}

int CProgress::ProgressDoing(unsigned int nPercent) {
  if (m_nBarStatus == 0) return 1;
  double s = SumLens(m_nSegDone);
  if (m_nSegDone >= m_nSegTotal) return 0;
  double x = ((double)nPercent * m_pLenArray[m_nSegDone]) * 0.01;
  int p = Trunc(x + (double)((long long)Trunc(s) + m_nBasePercent));
  m_nPercent = Clamp100(p);
  BOOL bInRange = p >= 0 && p <= 100;
  if (m_nPercent == s_nLastPercent) return 1;
  s_nLastPercent = m_nPercent;
  InvalidateBarArea(0, m_pBar != NULL ? m_pBar->m_rcCancel.Width() + 20 : 0);
  return bInRange ? 1 : 0;
}

int CProgress::ProgressEnd() {
  if (m_nBarStatus == 0) return 1;
  ++m_nSegDone;
  int v = FinishedPercent(m_nSegDone);
  m_nPercent = Clamp100(v);
  InvalidateBarArea(0, m_pBar != NULL ? m_pBar->m_rcCancel.Width() + 20 : 0);
  if (m_nPercent < 100) return 1;
  BOOL bExact = v == 100;
  m_pBar->ResetAll();
  return bExact ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Nesting

double* CProgress::DupArray(int n, double* pSrc, double dScale) {
  if (n > 0 && pSrc == NULL) return NULL;
  double* p = NULL;
  try {
    p = new double[n];
  } catch (CMemoryException* e) {
    e->Delete();
    return NULL;
  } catch (std::bad_alloc&) {
    return NULL;
  }
  for (int i = 0; i < n; ++i) p[i] = dScale * pSrc[i];
  return p;
}

int CProgress::NestedBegin(int nSegs, double* pLens) {
  if (m_pBar == NULL) return 0;
  OpenPanel(FALSE);
  m_stkSegTotal.push(m_nSegTotal);
  m_stkSegDone.push(m_nSegDone);
  m_stkLenArray.push(m_pLenArray);
  m_stkBasePercent.push(m_nBasePercent);
  if (m_nSegDone >= m_nSegTotal) {
    ResetAll();
    return 0;
  }
  double dLen = m_pLenArray[m_nSegDone];
  m_nSegTotal = nSegs;
  m_pLenArray = DupArray(nSegs, pLens, dLen);
  m_bShowCancel = 1;
  if (m_pLenArray == NULL) {
    ResetAll();
    return 0;
  }
  if (m_nBarStatus == 0) {
    PollEscape();
    m_nBarStatus = 1;
  }
  m_nBasePercent = m_nPercent;
  m_nSegDone = 0;
  InvalidateBarArea(m_pBar->m_rcCancel.Height(), 0);
  return 1;
}

int CProgress::NestedEnd() {
  if (m_pBar == NULL) return 0;
  if (m_nBarStatus == 0) return 1;
  if (m_stkSegTotal.empty() || m_stkSegDone.empty() || m_stkLenArray.empty() || m_stkBasePercent.empty()) {
    ResetAll();
    return 0;
  }
  if (m_pLenArray != &m_dSegLen) delete[] m_pLenArray;
  m_nSegTotal = m_stkSegTotal.top();
  m_nSegDone = m_stkSegDone.top();
  m_pLenArray = m_stkLenArray.top();
  m_nBasePercent = m_stkBasePercent.top();
  m_stkSegTotal.pop();
  m_stkSegDone.pop();
  m_stkLenArray.pop();
  m_stkBasePercent.pop();

  ++m_nSegDone;
  int v = FinishedPercent(m_nSegDone);
  m_nPercent = Clamp100(v);
  InvalidateBarArea(0, m_pBar->m_rcCancel.Width() + 20);
  int nResult = 1;
  if (v >= 100 || v < 0) {
    nResult = v == 100 ? 1 : 0;
    ResetAll();
  }
  ReleasePanel();
  return nResult;
}

void CProgress::ResetAll() {
  m_nSegTotal = 1;
  m_dSegLen = 100.0;
  m_nPercent = 0;
  m_nSegDone = 0;
  m_nBasePercent = 0;
  m_nBarStatus = 0;
  SetInterruptable(1);
  m_bCancelPressed = 0;
  while (!m_stkSegTotal.empty()) m_stkSegTotal.pop();
  while (!m_stkSegDone.empty()) m_stkSegDone.pop();
  while (!m_stkBasePercent.empty()) m_stkBasePercent.pop();
  if (m_pLenArray != &m_dSegLen) {
    if (!m_stkLenArray.empty() && m_stkLenArray.top() == m_pLenArray) m_stkLenArray.pop();
    delete[] m_pLenArray;
  }
  m_pLenArray = &m_dSegLen;
  for (; !m_stkLenArray.empty(); m_stkLenArray.pop())
    if (m_stkLenArray.top() != &m_dSegLen) delete[] m_stkLenArray.top();

  if (m_pBar == NULL || m_pBar->m_hWnd == NULL) return;
  if (m_hCancel != NULL && ::IsWindow(m_hCancel) && m_bShowCancel) {
    m_pBar->OnCancelMode(m_pBar->m_nID, 0);
    m_bShowCancel = 0;
  }
  m_pBar->Invalidate(FALSE);
  CWnd* pPanel = Panel();
  if (pPanel != NULL) {
    m_nLockCount = 0;
    if (pPanel->IsWindowVisible()) ClosePanel();
  }
}

void CProgress::SetInterruptable(int bInterruptable) {
  m_bInterruptable = bInterruptable;
  if (m_hCancel != NULL && ::IsWindow(m_hCancel)) ::EnableWindow(m_hCancel, bInterruptable ? TRUE : FALSE);
}

int CProgress::IsCancelPressed() { return m_bCancelPressed; }

int CProgress::IsBarRunning() { return m_nBarStatus == 1 ? 1 : 0; }
